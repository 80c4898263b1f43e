#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string_view>

namespace zef::gui {

// The small windows the data sheet's buttons open, each with its top-left
// corner on the button that opened it. Made here and shown modally by the
// caller (exec), so pictures and tests can look at them first.

// "Measurement Info": a title line (the label beside the button) and the
// explanation.
std::unique_ptr<QDialog> MakeInfoPopup(QWidget* button, std::string_view title,
                                       std::string_view body);

// "Text file info": the file's text, read-only.
std::unique_ptr<QDialog> MakeTextFileWindow(QWidget* button, std::string_view text);

// "About": program and version, what it is, the logo and, when an address is
// configured, a button to the format group's web site (`openSite`).
std::unique_ptr<QDialog> MakeAboutBox(QWidget* owner, std::function<void()> openSite);

}  // namespace zef::gui
