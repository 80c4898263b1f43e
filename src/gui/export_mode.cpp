#include "gui/export_mode.h"

#include <QLocale>
#include <QString>
#include <ostream>
#include <string>

#include "app/data_set_holder.h"
#include "app/export_request.h"
#include "app/list_window_lines.h"
#include "app/lower_graph.h"
#include "app/message_text.h"
#include "app/open_flow.h"
#include "app/platform.h"
#include "graphs/graph_fonts.h"
#include "graphs/graph_window.h"
#include "painter/graph_export.h"
#include "painter/qt_font_metrics.h"

namespace zef::gui {
namespace {

// The open flow's boxes as lines on the error stream.
class StreamPlatform : public app::Platform {
 public:
  explicit StreamPlatform(std::ostream& out) : out_(out) {}
  void ShowMessage(std::string_view text) override { Print("message: ", text); }
  void ShowError(std::string_view text) override { Print("error: ", text); }
  bool AskYesNo(std::string_view text) override {
    Print("question: ", text);
    out_ << "answer: yes\n";
    return true;
  }

 private:
  void Print(std::string_view head, std::string_view text) {
    out_ << head << app::MessageBoxText(text) << '\n';
  }
  std::ostream& out_;
};

class StreamErrorList : public app::ListWindowLines {
 public:
  explicit StreamErrorList(std::ostream& out) : ListWindowLines(kErrorRules), out_(out) {}

 protected:
  void OnLineAdded(const std::string& line, bool) override { out_ << line << '\n'; }

 private:
  std::ostream& out_;
};

}  // namespace

int RunExport(std::span<const std::string_view> args, std::ostream& err) {
  const app::ParsedExport parsed = app::ParseExportArguments(args);
  if (!parsed.request) {
    err << "zefview: " << parsed.error << "\n" << app::ExportUsage();
    return kExportUsage;
  }
  const app::ExportRequest& request = *parsed.request;
  app::DataSetHolder holder;
  StreamPlatform platform(err);
  StreamErrorList errors(err);
  const app::OpenOutcome outcome = app::OpenDataFile(request.file, holder, {platform, errors});
  errors.EndPendingLine();
  if (!outcome.loaded) {
    err << "zefview: " << request.file << " could not be read\n";
    return kExportFailed;
  }
  const painter::QtFontMetrics fonts(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall));
  graphs::GraphWindow window(request.width, request.height, fonts, errors);
  std::string error;
  // The viewer writes numbers as the user's locale does.
  const bool decimalComma = QLocale::system().decimalPoint() == QStringLiteral(",");
  if (!app::BuildLowerGraph(request, holder, decimalComma, window, error)) {
    err << "zefview: " << error << '\n';
    return kExportUsage;
  }
  const painter::MetafileFooter footer{std::string(graphs::kMetafileFooter),
                                       app::InfoOf(request.view).footer};
  if (!painter::ExportGraph(window, request.output, fonts, footer, error)) {
    err << "zefview: " << error << '\n';
    return kExportFailed;
  }
  return kExportWritten;
}

}  // namespace zef::gui
