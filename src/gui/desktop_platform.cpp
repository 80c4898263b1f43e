#include "gui/desktop_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "app/message_text.h"
#include "app/picture_file_name.h"
#include "gui/qt_clipboard.h"

namespace zef::gui {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Box(std::string_view text) {
  return Q(app::MessageBoxText(text));
}

}  // namespace

DesktopPlatform::DesktopPlatform(QWidget& owner, std::function<void(int)> onTimer) : owner_(owner) {
  for (int id = 1; id < static_cast<int>(timers_.size()); ++id) {
    timers_[id] = std::make_unique<QTimer>();
    QObject::connect(timers_[id].get(), &QTimer::timeout, [onTimer, id] { onTimer(id); });
  }
}

void DesktopPlatform::ShowMessage(std::string_view text) {
  QMessageBox::critical(&owner_, Q(app::kProgramTitle), Box(text));
}

void DesktopPlatform::ShowError(std::string_view text) {
  ShowMessage(text);
}

bool DesktopPlatform::AskYesNo(std::string_view text) {
  return AskYesNoCaptioned(app::kProgramTitle, text);
}

bool DesktopPlatform::AskYesNoCaptioned(std::string_view caption, std::string_view text) {
  return QMessageBox::question(&owner_, Q(caption), Box(text)) == QMessageBox::Yes;
}

bool DesktopPlatform::SetClipboard(const app::ClipboardPayload& payload) {
  return PutOnClipboard(payload);
}

bool DesktopPlatform::OpenDocument(const std::filesystem::path& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path.string())));
}

bool DesktopPlatform::OpenUrl(std::string_view url) {
  return QDesktopServices::openUrl(QUrl(Q(url)));
}

bool DesktopPlatform::StartDetached(const std::string& program,
                                    const std::vector<std::string>& args) {
  QStringList list;
  for (const std::string& arg : args) list << Q(arg);
  return QProcess::startDetached(Q(program), list);
}

std::optional<std::string> DesktopPlatform::ChooseFile(app::FileDialogKind kind,
                                                       std::string_view preset) {
  const app::FileDialogText text = app::DialogText(kind);
  QStringList filters;
  for (const std::string_view filter : text.filters) filters << Q(filter);
  const QString chosen =
      QFileDialog::getOpenFileName(&owner_, Q(text.title), Q(preset), filters.join(";;"));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::optional<app::SaveChoice> DesktopPlatform::ChooseSaveFile(std::string_view proposed) {
  QStringList filters;
  for (const auto& choice : app::kPictureChoices) filters << Q(choice.filter);
  QString filter = filters.front();
  const QString chosen = QFileDialog::getSaveFileName(&owner_, Q(app::kSavePictureTitle),
                                                      Q(proposed), filters.join(";;"), &filter);
  if (chosen.isEmpty()) return std::nullopt;
  return app::SaveChoice{chosen.toStdString(), filter.toStdString()};
}

void DesktopPlatform::StartTimer(int id, int intervalMs) {
  if (id > 0 && id < static_cast<int>(timers_.size())) timers_[id]->start(intervalMs);
}

void DesktopPlatform::KillTimer(int id) {
  if (id > 0 && id < static_cast<int>(timers_.size())) timers_[id]->stop();
}

bool DesktopPlatform::ControlHeld() const {
  return QApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

void DesktopPlatform::Quit() {
  QApplication::quit();
}

void DesktopPlatform::ShowBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace zef::gui
