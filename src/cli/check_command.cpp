#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/data_set_holder.h"
#include "app/open_flow.h"
#include "cabinet/load_dxf_cabinet.h"
#include "cli/commands.h"
#include "cli/locale_settings.h"
#include "cli/terminal_shell.h"
#include "model/bands.h"
#include "model/fixed_text.h"

namespace zef::cli {
namespace {

constexpr std::string_view kCheckUsage = "zef check: usage: zef check [--no | --ask] FILE...\n";

void PrintSummary(const model::DataSet& set, std::ostream& err) {
  const char* kind = set.kind == model::FormatKind::Zef1 ? "ZEF1" : "ZEF2";
  err << kind << " version " << set.version;
  if (set.draft != 0) err << " draft " << set.draft;
  err << ", " << model::TextOf(set.info->modelName) << ", bands "
      << model::BandLabel(set.kind, static_cast<int>(set.data.MinBand())) << " to "
      << model::BandLabel(set.kind, static_cast<int>(set.data.MaxBand())) << " Hz\n";
}

// A maker's companion or embedded drawing, parsed as the viewer would when
// it is first drawn; its outcome does not change the exit status.
void PrintDxfLine(const model::DataSet& set, std::ostream& out) {
  if ((set.info->cabinetFlags & model::cabinet_flag::kDxf) == 0) return;
  cabinet::DxfLists lists;
  const cabinet::DxfLoadResult result = cabinet::ParseSetDxf(set, lists, nullptr, nullptr);
  out << "dxf: ";
  if (result.status == cabinet::DxfLoadStatus::kLoaded) {
    out << lists.faces.size() << " faces, " << lists.edges.size() << " edges\n";
  } else {
    out << result.text << '\n';
  }
}

}  // namespace

int RunCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Answering answering = Answering::Yes;
  std::vector<std::string> files;
  for (const std::string& arg : args) {
    if (ParseAnswering(arg, answering)) continue;
    if (arg.starts_with("--")) {
      err << "zef check: unknown option '" << arg << "'\n" << kCheckUsage;
      return kUsageError;
    }
    files.push_back(arg);
  }
  if (files.empty()) {
    err << "zef check: no file named (zef check FILE...)\n";
    return kUsageError;
  }
  TerminalPlatform platform(out, answering, std::cin, err);
  PrintedErrorList errors(out);
  const app::OpenContext context{platform, errors, LocaleUsesDecimalComma()};
  app::DataSetHolder holder;
  int worst = kLoadedValid;
  for (const std::string& file : files) {
    if (files.size() > 1) out << "==> " << file << " <==\n";
    const app::OpenOutcome outcome = app::OpenDataFile(file, holder, context);
    if (outcome.loaded) {
      PrintDxfLine(*holder.Loaded(), out);
      PrintSummary(*holder.Loaded(), err);
    }
    worst = std::max(worst, ExitStatusOf(outcome, holder));
  }
  out.flush();
  return worst;
}

}  // namespace zef::cli
