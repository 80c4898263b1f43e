#include <ostream>
#include <string>

#include "app/read_data_file.h"
#include "cli/commands.h"
#include "cli/json_dump.h"
#include "cli/locale_settings.h"
#include "model/message_sink.h"

namespace zef::cli {
namespace {

constexpr std::string_view kDumpUsage = "zef dump: usage: zef dump --json [--pretty] FILE\n";

struct DumpArgs {
  bool json = false;
  bool pretty = false;
  std::string file;
};

bool ParseDumpArgs(std::span<const std::string> args, DumpArgs& parsed, std::ostream& err) {
  for (const std::string& arg : args) {
    if (arg == "--json") {
      parsed.json = true;
    } else if (arg == "--pretty") {
      parsed.pretty = true;
    } else if (arg.starts_with("--") || !parsed.file.empty()) {
      err << "zef dump: unexpected argument '" << arg << "'\n";
      return false;
    } else {
      parsed.file = arg;
    }
  }
  return parsed.json && !parsed.file.empty();
}

}  // namespace

int RunDump(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  DumpArgs parsed;
  if (!ParseDumpArgs(args, parsed, err)) {
    err << kDumpUsage;
    return kUsageError;
  }
  textformat::ReadOptions options;
  options.decimalComma = LocaleUsesDecimalComma();
  model::LineSink messages;
  app::ReadOutcome read = app::ReadDataFile(parsed.file, messages, options);
  // The reader's messages stay apart from the document, so scripts can parse stdout.
  for (const std::string& line : messages.Lines()) err << line << '\n';
  if (!read.set) return read.result;
  // A binary always counts as valid; a text file only when it read cleanly
  // (the consistency checks of a text read join this once they exist).
  const DumpStatus status{read.result, read.result == textformat::kReadClean};
  out << DataSetJson(*read.set, status, parsed.pretty);
  return read.result;
}

}  // namespace zef::cli
