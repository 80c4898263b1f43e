#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zef::app {

// Files the viewer hands to other programs (an embedded PDF for the desktop's
// viewer). Each is created new under an unpredictable name, so nothing that
// already lies in the folder is overwritten or read; all are removed when the
// owner goes, at the latest when the viewer ends.
class TemporaryFiles {
 public:
  explicit TemporaryFiles(std::filesystem::path folder = DefaultFolder());
  TemporaryFiles(const TemporaryFiles&) = delete;
  TemporaryFiles& operator=(const TemporaryFiles&) = delete;
  ~TemporaryFiles();

  // The system's temporary folder; the current folder when there is none.
  static std::filesystem::path DefaultFolder();

  // A new file "ZEF<random><suffix>" holding `bytes`; none when it could not
  // be created or written (a partly written file is removed).
  std::optional<std::filesystem::path> Write(std::span<const std::uint8_t> bytes,
                                             std::string_view suffix);

  const std::vector<std::filesystem::path>& Files() const { return files_; }

 private:
  std::filesystem::path folder_;
  std::vector<std::filesystem::path> files_;
};

}  // namespace zef::app
