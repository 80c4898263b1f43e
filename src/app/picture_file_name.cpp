#include "app/picture_file_name.h"

namespace zef::app {

std::string WithPictureExtension(std::string_view name, std::string_view extension) {
  // Files made on Windows name folders with backslashes.
  const std::size_t folderEnd = name.find_last_of("/\\:");
  const std::size_t nameStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
  const std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos && dot >= nameStart) name = name.substr(0, dot);
  return std::string(name) + std::string(extension);
}

}  // namespace zef::app
