// zef-samplegen: writes the bundled sample files, or the largest file the
// text format allows, and checks that each reads back cleanly to the same data.
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "model/message_sink.h"
#include "sample_sets.h"
#include "textformat/text_reader.h"
#include "textformat/text_writer.h"

namespace {

namespace fs = std::filesystem;
using zef::textformat::TextWriteOptions;

constexpr int kFailed = 1;
constexpr int kUsage = 2;

bool WriteAndCheck(const fs::path& path, const zef::model::DataSet& set,
                   const TextWriteOptions& options) {
  std::string error;
  if (!zef::textformat::WriteTextFile(path, set, options, error)) {
    std::cerr << error << '\n';
    return false;
  }
  zef::model::LineSink messages;
  const auto read = zef::textformat::ReadTextFile(path, messages);
  if (read.result != zef::textformat::kReadClean || !messages.Lines().empty()) {
    std::cerr << path.string() << ": does not read cleanly (result " << read.result << ")\n";
    for (const std::string& line : messages.Lines()) std::cerr << line << '\n';
    return false;
  }
  // Writing what was read must give the same text: nothing was lost on the way.
  if (zef::textformat::WriteText(*read.set, options) != zef::textformat::WriteText(set, options)) {
    std::cerr << path.string() << ": does not read back to the same data\n";
    return false;
  }
  std::cout << "wrote " << path.string() << '\n';
  return true;
}

int WriteSamples(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    std::cerr << "Cannot create " << folder.string() << ": " << ec.message() << '\n';
    return kFailed;
  }
  for (const zef::samplegen::Sample& sample : zef::samplegen::BundledSamples()) {
    if (!WriteAndCheck(folder / sample.fileName, sample.set, sample.options)) return kFailed;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (argc == 3 && first == "--large") {
    return WriteAndCheck(argv[2], zef::samplegen::LargestSet(), {}) ? 0 : kFailed;
  }
  if (argc == 2 && !first.empty() && first.front() != '-') return WriteSamples(argv[1]);
  std::cerr << "usage: zef-samplegen OUTDIR\n"
               "       zef-samplegen --large OUT\n"
               "Writes the bundled sample files into OUTDIR, or the largest text file the\n"
               "format allows to OUT.\n";
  return kUsage;
}
