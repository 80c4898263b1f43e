#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace zef::cabinet {

// A drawing carried inside a data set, written to a file of its own for the
// reader: created exclusively in the temporary folder under a name nobody can
// guess, and removed when this object goes.
class TempDxfFile {
 public:
  TempDxfFile() = default;
  TempDxfFile(const TempDxfFile&) = delete;
  TempDxfFile& operator=(const TempDxfFile&) = delete;
  ~TempDxfFile();

  // False when the file cannot be created or written whole.
  bool Write(std::span<const std::uint8_t> bytes);
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace zef::cabinet
