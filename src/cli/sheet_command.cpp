#include <ostream>
#include <string>

#include "app/data_sheet.h"
#include "cli/commands.h"
#include "cli/output_open.h"
#include "graphs/option_set.h"

namespace zef::cli {
namespace {

constexpr std::string_view kSheetUsage =
    "zef sheet: usage: zef sheet [--no | --ask] [--decimal-comma] [--option NAME] "
    "[--no-option NAME] FILE\n";

struct SheetArgs {
  std::string file;
  Answering answering = Answering::Yes;
  bool decimalComma = false;
  graphs::OptionSet options;
};

bool ParseSheetArgs(std::span<const std::string> args, SheetArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (ParseAnswering(arg, parsed.answering)) continue;
    if (arg == "--decimal-comma") {
      parsed.decimalComma = true;
    } else if (arg == "--option" || arg == "--no-option") {
      const auto option = i + 1 < args.size() ? graphs::FindOption(args[++i]) : std::nullopt;
      if (!option) {
        err << "zef sheet: " << arg << " needs an option name\n";
        return false;
      }
      parsed.options.Set(*option, arg == "--option");
    } else if (arg.starts_with("--") || !parsed.file.empty()) {
      err << "zef sheet: unexpected argument '" << arg << "'\n";
      return false;
    } else {
      parsed.file = arg;
    }
  }
  return !parsed.file.empty();
}

void PrintBandTable(const app::DataSheet& sheet, model::FormatKind kind, std::ostream& out) {
  out << "Band:";
  for (int band = sheet.firstBand; band <= sheet.lastBand; ++band) {
    out << '\t' << app::ColumnLabel(kind, band);
  }
  out << "\tHz\n";
  for (const app::SheetRow& row : sheet.rows) {
    out << row.label;
    for (int band = sheet.firstBand; band <= sheet.lastBand; ++band) out << '\t' << row.cells[band];
    out << '\t' << row.unit << '\n';
  }
}

}  // namespace

int RunSheet(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  SheetArgs parsed;
  if (!ParseSheetArgs(args, parsed, err)) {
    err << kSheetUsage;
    return kUsageError;
  }
  app::DataSetHolder holder;
  const app::OpenOutcome outcome =
      OpenForOutput(parsed.file, parsed.answering, parsed.decimalComma, holder, err);
  if (!outcome.loaded) return ExitStatusOf(outcome, holder);
  const model::DataSet& set = *holder.Loaded();
  const app::DataSheet sheet =
      app::BuildDataSheet(set, holder.Figures(), parsed.options, parsed.decimalComma, parsed.file);
  for (const app::SheetField& field : sheet.fields) out << field.name << ": " << field.text << '\n';
  out << "Selected band: " << app::ColumnLabel(set.kind, sheet.selectedBand) << '\n';
  PrintBandTable(sheet, set.kind, out);
  return ExitStatusOf(outcome, holder);
}

}  // namespace zef::cli
