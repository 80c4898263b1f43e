#include "gui/save_graph_dialog.h"

#include <QFileDialog>
#include <QStringList>

#include "app/picture_file_name.h"

namespace zef::gui {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool SaveGraphAs(QWidget* owner, app::Platform& platform, const graphs::GraphWindow& window,
                 const painter::QtFontMetrics& fonts, const painter::MetafileFooter& footer,
                 std::string_view currentFile) {
  QStringList filters;
  for (const auto& choice : app::kPictureChoices) filters << Q(choice.filter);
  QString chosenFilter = filters.front();
  const QString proposed =
      Q(app::WithPictureExtension(currentFile, app::kPictureChoices.front().extension));
  const QString chosen =
      QFileDialog::getSaveFileName(owner, Q(app::kSavePictureTitle), proposed,
                                   filters.join(QStringLiteral(";;")), &chosenFilter);
  if (chosen.isEmpty()) return false;
  return WriteChosenPicture(platform, window, fonts, footer, chosen.toStdString(),
                            chosenFilter.toStdString());
}

bool WriteChosenPicture(app::Platform& platform, const graphs::GraphWindow& window,
                        const painter::QtFontMetrics& fonts, const painter::MetafileFooter& footer,
                        std::string_view chosen, std::string_view filter) {
  const std::string path = app::WithPictureExtension(chosen, app::ExtensionOfChoice(filter));
  std::string error;
  if (painter::ExportGraph(window, path, fonts, footer, error)) return true;
  platform.ShowMessage(app::kPictureFailed);
  return false;
}

}  // namespace zef::gui
