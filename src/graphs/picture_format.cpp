#include "graphs/picture_format.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace zef::graphs {

std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return PictureFormat::kPng;
  if (extension == ".svg") return PictureFormat::kSvg;
  if (extension == ".pdf") return PictureFormat::kPdf;
  if (extension == ".emf") return PictureFormat::kEmf;
  return std::nullopt;
}

}  // namespace zef::graphs
