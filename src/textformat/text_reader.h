#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "model/data_set.h"
#include "model/message_sink.h"
#include "textformat/reader.h"

namespace zef::textformat {

struct TextReadResult {
  int result = kReadFailed;  // kReadClean, kReadWithErrors or kReadFailed
  model::FormatKind kind = model::FormatKind::Zef1;  // as line 1 gave it
  std::unique_ptr<model::DataSet> set;               // null when the read failed
};

// Reads a ZEF text file into a new data set. Messages go to `errors`; the
// caller installs the set only when the result is not kReadFailed.
TextReadResult ReadTextFile(const std::filesystem::path& path, model::MessageSink& errors,
                            const ReadOptions& options = {});

// Reads a text already in memory. `sourcePath` places the files the text names;
// `fileDate` goes to the info record.
TextReadResult ReadText(std::string_view text, const std::filesystem::path& sourcePath,
                        std::string_view fileDate, model::MessageSink& errors,
                        const ReadOptions& options = {});

// The last-modification date of a file as a date text, or "Unknown".
std::string FileDateText(const std::filesystem::path& path);

}  // namespace zef::textformat
