#include <ctime>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/csv_tables.h"
#include "cli/curves_output.h"
#include "cli/locale_settings.h"
#include "cli/output_open.h"
#include "model/atomic_file.h"
#include "sofa/sofa_file.h"

namespace zef::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCurvesUsage = "zef curves: usage: zef curves FILE [--csv]\n";
constexpr std::string_view kExportUsage =
    "zef export: usage: zef export --csv OUT_FOLDER FILE | zef export --sofa OUT.sofa FILE\n";

// Opens the file for a command whose output is data: the read's messages go
// to `err`; questions are answered yes.
bool Open(const std::string& file, app::DataSetHolder& holder, int& result, std::ostream& err) {
  const app::OpenOutcome outcome =
      OpenForOutput(file, Answering::Yes, LocaleUsesDecimalComma(), holder, err);
  result = outcome.readResult;
  return outcome.loaded;
}

bool WriteTables(const fs::path& folder, const app::DataSetHolder& holder, std::ostream& err) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder)) {
    err << "zef export: cannot create the folder " << folder.string() << '\n';
    return false;
  }
  // Every table is built before the first is written.
  const std::vector<CsvFile> files = ExportTables(*holder.Loaded(), holder.Figures());
  for (const CsvFile& file : files) {
    std::string error;
    if (!model::WriteFileAtomically(folder / file.name, file.text, error)) {
      err << "zef export: " << error << '\n';
      return false;
    }
  }
  return true;
}

std::string NowText() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
  return text;
}

bool WriteSofa(const fs::path& target, const model::DataSet& set, std::ostream& err) {
  std::string error;
  if (!sofa::WriteSofaFile(target, sofa::BuildSofaBalloon(set, NowText()), error)) {
    err << "zef export: " << error << '\n';
    return false;
  }
  return true;
}

}  // namespace

int RunCurves(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  bool csv = false;
  std::string file;
  for (const std::string& arg : args) {
    if (arg == "--csv") {
      csv = true;
    } else if (arg.starts_with("-") || !file.empty()) {
      err << "zef curves: unexpected argument '" << arg << "'\n" << kCurvesUsage;
      return kUsageError;
    } else {
      file = arg;
    }
  }
  if (file.empty()) {
    err << kCurvesUsage;
    return kUsageError;
  }
  app::DataSetHolder holder;
  int result = kNotLoaded;
  if (!Open(file, holder, result, err)) return result;
  const model::DataSet& set = *holder.Loaded();
  const analysis::CtaCurves curves = analysis::ComputeCta2034(set);
  out << (csv ? CurvesCsv(set, curves) : CurvesText(set, curves));
  return result;
}

int RunExport(std::span<const std::string> args, std::ostream&, std::ostream& err) {
  if (args.size() != 3 || (args[0] != "--csv" && args[0] != "--sofa")) {
    err << kExportUsage;
    return kUsageError;
  }
  app::DataSetHolder holder;
  int result = kNotLoaded;
  if (!Open(args[2], holder, result, err)) return result;
  const bool written = args[0] == "--csv" ? WriteTables(args[1], holder, err)
                                          : WriteSofa(args[1], *holder.Loaded(), err);
  if (!written) return kNotLoaded;
  err << "zef export: wrote " << args[1] << '\n';
  return result;
}

}  // namespace zef::cli
