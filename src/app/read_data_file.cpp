#include "app/read_data_file.h"

#include "binary/binary_reader.h"
#include "textformat/text_reader.h"

namespace zef::app {

ReadOutcome ReadBinaryDataFile(const std::filesystem::path& path, model::MessageSink& errors) {
  binary::BinaryReadResult read = binary::ReadBinaryFile(path, errors);
  ReadOutcome out;
  if (!read.set) return out;
  out.result = textformat::kReadClean;
  out.set = std::move(read.set);
  out.header = read.header;
  out.kind = out.set->kind;
  return out;
}

ReadOutcome ReadTextDataFile(const std::filesystem::path& path, model::MessageSink& errors,
                             const textformat::ReadOptions& options) {
  textformat::TextReadResult read = textformat::ReadTextFile(path, errors, options);
  ReadOutcome out;
  out.result = read.result;
  out.set = std::move(read.set);
  out.kind = read.kind;
  return out;
}

}  // namespace zef::app
