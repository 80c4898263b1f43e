#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "binary/header.h"
#include "model/data_set.h"
#include "model/message_sink.h"
#include "textformat/reader.h"

namespace zef::app {

struct ReadOutcome {
  int result = textformat::kReadFailed;              // 0 clean, 1 read with errors, 2 nothing read
  std::unique_ptr<model::DataSet> set;               // null when nothing was read
  std::optional<binary::BinaryHeader> header;        // set when a binary was loaded
  model::FormatKind kind = model::FormatKind::Zef1;  // as a text's first line named it
};

// Reads a text file, whatever its name.
ReadOutcome ReadTextDataFile(const std::filesystem::path& path, model::MessageSink& errors,
                             const textformat::ReadOptions& options);

// Reads a distribution binary only, deriving nothing (the open flow does): a
// name with neither ".ZF1" nor ".ZF2" is refused with its line in the error list.
ReadOutcome ReadBinaryDataFile(const std::filesystem::path& path, model::MessageSink& errors);

}  // namespace zef::app
