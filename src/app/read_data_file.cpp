#include "app/read_data_file.h"

#include "textformat/text_reader.h"

namespace zef::app {

ReadOutcome ReadDataFile(const std::filesystem::path& path, model::MessageSink& errors,
                         const textformat::ReadOptions& options) {
  textformat::TextReadResult read = textformat::ReadTextFile(path, errors, options);
  return {read.result, std::move(read.set)};
}

}  // namespace zef::app
