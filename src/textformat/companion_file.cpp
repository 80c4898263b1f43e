#include "textformat/companion_file.h"

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

}  // namespace zef::textformat
