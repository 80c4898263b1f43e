#include "gui/desktop_platform.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "app/message_text.h"
#include "gui/qt_clipboard.h"

namespace zef::gui {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString BoxText(std::string_view text) {
  return Q(app::MessageBoxText(text));
}

}  // namespace

void DesktopPlatform::ShowMessage(std::string_view text) {
  QMessageBox::critical(owner_, Q(app::kProgramTitle), BoxText(text));
}

void DesktopPlatform::ShowError(std::string_view text) {
  ShowMessage(text);
}

bool DesktopPlatform::AskYesNo(std::string_view text) {
  return AskYesNoCaptioned(app::kProgramTitle, text);
}

bool DesktopPlatform::AskYesNoCaptioned(std::string_view caption, std::string_view text) {
  return QMessageBox::question(owner_, Q(caption), BoxText(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool DesktopPlatform::SetClipboard(const app::ClipboardPayload& payload) {
  return PutOnClipboard(payload);
}

bool DesktopPlatform::OpenDocument(const std::filesystem::path& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path.string())));
}

bool DesktopPlatform::OpenUrl(std::string_view url) {
  return QDesktopServices::openUrl(QUrl(Q(url), QUrl::TolerantMode));
}

bool DesktopPlatform::StartDetached(const std::string& program,
                                    const std::vector<std::string>& args) {
  QStringList arguments;
  for (const auto& arg : args) arguments << Q(arg);
  return QProcess::startDetached(Q(program), arguments);
}

}  // namespace zef::gui
