#include "app/read_data_file.h"

#include "binary/binary_reader.h"
#include "textformat/text_reader.h"

namespace zef::app {
namespace {

// A binary carries the figures of its writer; the full -6 dB widths and the
// lowest impedances are derived again from its records here, once the
// directivity analysis exists.
void DeriveBinaryFigures(model::DataSet& set) {
  static_cast<void>(set);
}

}  // namespace

ReadOutcome ReadBinaryDataFile(const std::filesystem::path& path, model::MessageSink& errors) {
  binary::BinaryReadResult read = binary::ReadBinaryFile(path, errors);
  ReadOutcome out;
  if (!read.set) return out;
  DeriveBinaryFigures(*read.set);
  out.result = textformat::kReadClean;
  out.set = std::move(read.set);
  out.header = read.header;
  return out;
}

ReadOutcome ReadDataFile(const std::filesystem::path& path, model::MessageSink& errors,
                         const textformat::ReadOptions& options) {
  if (binary::BinaryNameKind(path.string()) != binary::BinaryName::None) {
    return ReadBinaryDataFile(path, errors);
  }
  textformat::TextReadResult read = textformat::ReadTextFile(path, errors, options);
  return {read.result, std::move(read.set), std::nullopt};
}

}  // namespace zef::app
