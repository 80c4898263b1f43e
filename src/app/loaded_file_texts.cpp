#include "app/loaded_file_texts.h"

#include <array>

#include "app/message_text.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

constexpr std::array<std::string_view, 6> kCreatorCategories = {
    "Demo data", "Manufacturer", "3rd Party", "Research", "Res.&Dev.", "ZEF Dev"};

constexpr std::size_t kTitleNameWidth = 40;
constexpr std::size_t kStatusPathWidth = 45;

}  // namespace

std::string_view CreatorCategoryName(std::uint32_t category) {
  return category < kCreatorCategories.size() ? kCreatorCategories[category] : std::string_view();
}

std::string CreatorStatusLine(const model::InfoRecord& info) {
  std::string line = "File created by: ";
  line += model::TextOf(info.author);
  line += " (";
  line += CreatorCategoryName(info.creatorCategory);
  line += ")";
  return line;
}

std::string WindowTitleFor(std::string_view path) {
  // Names made on Windows may arrive with backslashes and drive letters.
  const std::size_t folderEnd = path.find_last_of("\\/:");
  const std::string_view name =
      folderEnd == std::string_view::npos ? path : path.substr(folderEnd + 1);
  std::string title = ShortenText(name, kTitleNameWidth);
  title += " - ";
  title += kProgramTitle;
  return title;
}

std::string StatusPathFor(std::string_view path) {
  return ShortenText(path, kStatusPathWidth);
}

}  // namespace zef::app
