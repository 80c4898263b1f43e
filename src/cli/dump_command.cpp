#include <ostream>
#include <string>

#include "cabinet/load_dxf_cabinet.h"
#include "cli/commands.h"
#include "cli/curves_output.h"
#include "cli/figures_json.h"
#include "cli/json_dump.h"
#include "cli/locale_settings.h"
#include "cli/output_open.h"

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
  // The reader's messages and the flow's boxes stay apart from the document,
  // so scripts can parse stdout; questions are answered yes.
  app::DataSetHolder holder;
  const app::OpenOutcome outcome =
      OpenForOutput(parsed.file, Answering::Yes, LocaleUsesDecimalComma(), holder, err);
  if (!outcome.loaded) return outcome.readResult;
  // The document shows the drawing's entities as the viewer reads them when drawn.
  const cabinet::DxfLoadResult dxf =
      cabinet::LoadDxfLists(*holder.LoadedForDrawing(), nullptr, nullptr);
  if (!dxf.text.empty()) err << "dxf: " << dxf.text << '\n';
  JsonWriter json(parsed.pretty);
  json.BeginObject();
  WriteDataSetMembers(json, *holder.Loaded(), {outcome.readResult, holder.DataValid()});
  WriteFiguresMember(json, holder);
  WriteCurvesMember(json, *holder.Loaded());
  json.EndObject();
  out << json.Document() << '\n';
  return outcome.readResult;
}

}  // namespace zef::cli
