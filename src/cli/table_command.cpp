#include <ostream>
#include <string>

#include "app/clipboard_tables.h"
#include "cli/commands.h"
#include "cli/output_open.h"

namespace zef::cli {
namespace {

constexpr std::string_view kTableUsage =
    "zef table: usage: zef table sensitivity|axial [--no | --ask] [--decimal-comma] FILE\n";

struct TableArgs {
  std::string table;
  std::string file;
  Answering answering = Answering::Yes;
  bool decimalComma = false;
};

bool ParseTableArgs(std::span<const std::string> args, TableArgs& parsed, std::ostream& err) {
  for (const std::string& arg : args) {
    if (ParseAnswering(arg, parsed.answering)) continue;
    if (arg == "--decimal-comma") {
      parsed.decimalComma = true;
    } else if (arg.starts_with("--") || !parsed.file.empty()) {
      err << "zef table: unexpected argument '" << arg << "'\n";
      return false;
    } else if (parsed.table.empty()) {
      parsed.table = arg;
    } else {
      parsed.file = arg;
    }
  }
  return (parsed.table == "sensitivity" || parsed.table == "axial") && !parsed.file.empty();
}

// Why the viewer would not offer the table; empty when it would. A valid text
// file is accepted too: makers check their tables before they compile.
std::string_view Refusal(const TableArgs& parsed, const app::DataSetHolder& holder) {
  const model::DataSet& set = *holder.Loaded();
  if (!holder.DataValid()) return "the data did not pass the checks";
  if (parsed.table == "sensitivity") {
    return app::SensitivityTableAvailable(set, true, false)
               ? ""
               : "a powered loudspeaker has no sensitivity table";
  }
  return app::AxialSpectrumTableAvailable(set, true, false) ? ""
                                                            : "the file gives no axial spectrum";
}

}  // namespace

int RunTable(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  TableArgs parsed;
  if (!ParseTableArgs(args, parsed, err)) {
    err << kTableUsage;
    return kUsageError;
  }
  app::DataSetHolder holder;
  const app::OpenOutcome outcome =
      OpenForOutput(parsed.file, parsed.answering, parsed.decimalComma, holder, err);
  if (!outcome.loaded) return kNotLoaded;
  const std::string_view refusal = Refusal(parsed, holder);
  if (!refusal.empty()) {
    err << "zef table: " << parsed.file << ": " << refusal << '\n';
    return kLoadedNotValid;
  }
  const model::DataSet& set = *holder.Loaded();
  // Exactly the clipboard's text: no line end is added.
  out << (parsed.table == "sensitivity"
              ? app::SensitivityTable(set, parsed.file, parsed.decimalComma)
              : app::AxialSpectrumTable(set, parsed.file, parsed.decimalComma));
  return kLoadedValid;
}

}  // namespace zef::cli
