#include <string>
#include <system_error>

#include "binary/binary_reader.h"
#include "binary/messages.h"
#include "model/fixed_text.h"

namespace zef::binary {
namespace fs = std::filesystem;
namespace {

// Files made on Windows travel with their extensions in any case; the name
// the extension rule makes is looked up ignoring case when not found as written.
fs::path FindIgnoringCase(const fs::path& name) {
  std::error_code ec;
  if (fs::exists(name, ec)) return name;
  const fs::path folder = name.has_parent_path() ? name.parent_path() : fs::path(".");
  const std::string wanted = name.filename().string();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (model::EqualsIgnoringCase(it->path().filename().string(), wanted)) return it->path();
  }
  return name;
}

BinaryReadResult ReadKindFile(const fs::path& chosen, model::MessageSink& errors,
                              std::string_view extension,
                              BinaryReadResult (*read)(Input&, model::MessageSink&)) {
  const fs::path name = WithExtension(chosen, extension);
  const fs::path found = FindIgnoringCase(name);
  FileInput in(found);
  if (in.Status() != model::OpenStatus::Ok) {
    ReportOpenFailure(errors, name.string(), in.Status());
    return {};
  }
  BinaryReadResult result = read(in, errors);
  if (result.set) {
    std::error_code ec;
    result.set->sourcePath = fs::absolute(found, ec).string();
  }
  return result;
}

}  // namespace

fs::path WithExtension(const fs::path& name, std::string_view extension) {
  std::string text = name.string();
  const std::size_t folderEnd = text.find_last_of("\\/");
  const std::size_t dot = text.rfind('.');
  if (dot != std::string::npos && (folderEnd == std::string::npos || dot > folderEnd)) {
    text.erase(dot);
  }
  return text.append(extension);
}

BinaryReadResult ReadZf1File(const fs::path& chosen, model::MessageSink& errors) {
  return ReadKindFile(chosen, errors, ".ZF1", ReadZf1);
}

BinaryReadResult ReadZf2File(const fs::path& chosen, model::MessageSink& errors) {
  return ReadKindFile(chosen, errors, ".ZF2", ReadZf2);
}

BinaryName BinaryNameKind(std::string_view name) {
  const std::string upper = model::ToUpperAscii(name);
  if (upper.find(".ZF1") != std::string::npos) return BinaryName::Zef1;
  if (upper.find(".ZF2") != std::string::npos) return BinaryName::Zef2;
  return BinaryName::None;
}

BinaryReadResult ReadBinaryFile(const fs::path& chosen, model::MessageSink& errors) {
  switch (BinaryNameKind(chosen.string())) {
    case BinaryName::Zef1:
      return ReadZf1File(chosen, errors);
    case BinaryName::Zef2:
      return ReadZf2File(chosen, errors);
    case BinaryName::None:
      break;
  }
  ReportNotBinary(errors, chosen.string());
  return {};
}

}  // namespace zef::binary
