#include "textformat/companion_file.h"

#include <fstream>
#include <string>
#include <system_error>

#include "model/fixed_text.h"

namespace zef::textformat {
namespace fs = std::filesystem;
namespace {

// Finds an entry of a folder whose name equals `name` ignoring case.
fs::path FindIgnoringCase(const fs::path& folder, const fs::path& name) {
  std::error_code ec;
  const fs::path base = folder.empty() ? fs::path(".") : folder;
  for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
    if (model::EqualsIgnoringCase(it->path().filename().string(), name.string())) {
      return folder / it->path().filename();
    }
  }
  return folder / name;
}

}  // namespace

fs::path ResolveCompanion(const fs::path& dataFile, std::string_view name) {
  std::string portable(name);
  for (char& c : portable) {
    if (c == '\\') c = '/';
  }
  fs::path path(portable);
  if (path.is_relative()) path = dataFile.parent_path() / path;
  std::error_code ec;
  if (fs::exists(path, ec)) return path;
  fs::path resolved = path.root_path();
  for (const fs::path& part : path.relative_path()) {
    const fs::path exact = resolved / part;
    resolved = fs::exists(exact, ec) ? exact : FindIgnoringCase(resolved, part);
  }
  return resolved;
}

LoadStatus LoadCompanion(const fs::path& file, std::uintmax_t maxSize,
                         std::vector<std::uint8_t>& bytes) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return LoadStatus::OpenFailed;
  std::ifstream in(file, std::ios::binary);
  if (!in) return LoadStatus::OpenFailed;
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec) return LoadStatus::OpenFailed;
  if (size > maxSize) return LoadStatus::TooLarge;
  bytes.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) {
    bytes.clear();
    return LoadStatus::ShortRead;
  }
  return LoadStatus::Ok;
}

}  // namespace zef::textformat
