#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <cstdio>
#include <string>

#include "app/desktop_links.h"
#include "app/info_popups.h"
#include "app/open_flow.h"
#include "gui/desktop_platform.h"
#include "gui/info_windows.h"
#include "gui/list_window.h"

namespace {

using zef::app::InfoButton;

void Save(QWidget& widget, const QString& folder, const char* name) {
  widget.show();
  QApplication::processEvents();
  const QString path = folder + "/" + name + ".png";
  widget.grab().save(path);
  std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: window-shots OUTDIR DAMAGED GOOD\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QWidget owner;
  owner.resize(200, 100);
  zef::gui::DesktopPlatform platform(owner, [](int) {});

  // Questions are answered yes so the flow goes on to the window.
  struct Yes : zef::gui::DesktopPlatform {
    using DesktopPlatform::DesktopPlatform;
    bool AskYesNo(std::string_view) override { return true; }
    void ShowMessage(std::string_view text) override {
      std::printf("box: %.*s\n", int(text.size()), text.data());
    }
  } quiet(owner, [](int) {});
  auto errors = zef::gui::ListWindow::Errors(&owner, platform);
  zef::app::DataSetHolder holder;
  zef::app::OpenTextFile(argv[2], holder, {quiet, errors});
  if (errors.Window()) Save(*errors.Window(), folder, "error_window");

  zef::app::OpenDataFile(argv[3], holder, {quiet, errors});
  if (!holder.IsLoaded()) return 1;
  const auto& info = *holder.Loaded()->info;
  const zef::app::OffAxisWarnings warnings{holder.Figures().horizontalOffAxis,
                                           holder.Figures().verticalOffAxis};
  QPushButton anchor("?", &owner);
  const struct {
    InfoButton button;
    const char* label;
    const char* name;
  } popups[] = {{InfoButton::kSensitivity, "Sensitivity:", "popup_74"},
                {InfoButton::kImpedance, "Impedance:", "popup_86"},
                {InfoButton::kAxialSpectrum, "Ax.Spect.:", "popup_148"},
                {InfoButton::kAxialQ, "Axial Q:", "popup_135"},
                {InfoButton::kWidthHorizontal, "-6dB w. hor:", "popup_111"},
                {InfoButton::kWidthVertical, "-6dB w. ver:", "popup_123"},
                {InfoButton::kMaxInput,
                 info.maxInputKind == zef::model::MaxInputKind::Voltage ? "Max input voltage:"
                                                                        : "Max input power:",
                 "popup_201"},
                {InfoButton::kAmplifierSize, "Equivalent amplifier size:", "popup_216"},
                {InfoButton::kGain, "Gain", "popup_204"}};
  for (const auto& p : popups) {
    const auto body = zef::app::InfoPopupBody(p.button, info, warnings);
    if (!body) continue;
    auto dialog = zef::gui::MakeInfoPopup(&anchor, zef::app::InfoPopupTitle(p.label), *body);
    Save(*dialog, folder, p.name);
  }
  if (const auto text = zef::app::InfoFileText(holder.Loaded()->cabinet.infoFile)) {
    auto window = zef::gui::MakeTextFileWindow(&anchor, *text);
    Save(*window, folder, "info_file_window");
  }
  auto about = zef::gui::MakeAboutBox(&owner, [] {});
  Save(*about, folder, "about_box");
  return 0;
}
