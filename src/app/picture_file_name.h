#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zef::app {

// The name a saved picture gets: the part from the last dot of the file's
// own name on is replaced by `extension` (".EMF", ".svg", ...); a name without
// a dot gets it appended. Folders with dots in their names are left alone.
std::string WithPictureExtension(std::string_view name, std::string_view extension);

// What the save dialog for a graph offers, the metafile first.
struct PictureChoice {
  std::string_view filter;
  std::string_view extension;
};
inline constexpr std::array<PictureChoice, 4> kPictureChoices{{
    {"EMF-files (*.emf *.EMF)", ".EMF"},
    {"SVG-files (*.svg *.SVG)", ".svg"},
    {"PDF-files (*.pdf *.PDF)", ".pdf"},
    {"PNG-files (*.png *.PNG)", ".png"},
}};
inline constexpr std::string_view kSavePictureTitle = "Save an EMF meta-file";
inline constexpr std::string_view kPictureFailed = "Failed to make meta copy/file.";

// The extension for the filter the user picked; the metafile's for any other.
std::string_view ExtensionOfChoice(std::string_view filter);

}  // namespace zef::app
