#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zef::model {
namespace fs = std::filesystem;
namespace {

// A temporary file that is removed unless it was renamed over its target.
class TempFile {
 public:
  explicit TempFile(const fs::path& target)
      : path_((target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string()) {
    fd_ = ::mkstemp(path_.data());
    created_ = fd_ >= 0;
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    Close();
    if (created_ && !renamed_) ::unlink(path_.c_str());
  }
  bool Opened() const { return fd_ >= 0; }
  const std::string& Path() const { return path_; }
  bool Write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  // Makes the file readable like any other, closes it and puts it in place.
  bool Commit(const fs::path& target) {
    if (!Close() || ::chmod(path_.c_str(), 0644) != 0) return false;
    if (::rename(path_.c_str(), target.c_str()) != 0) return false;
    renamed_ = true;
    return true;
  }

 private:
  bool Close() {
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

  std::string path_;
  int fd_ = -1;
  bool created_ = false;
  bool renamed_ = false;
};

}  // namespace

bool WriteFileAtomically(const fs::path& target, const std::function<bool(const fs::path&)>& write,
                         std::string& error) {
  TempFile temp(target);
  if (!temp.Opened()) {
    error = "Cannot write " + target.string() + ": " + std::strerror(errno);
    return false;
  }
  if (!write(temp.Path())) {
    error = "Cannot write " + target.string();
    return false;
  }
  if (!temp.Commit(target)) {
    error = "Cannot write " + target.string() + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

bool WriteFileAtomically(const fs::path& target, std::string_view bytes, std::string& error) {
  TempFile temp(target);
  if (!temp.Opened() || !temp.Write(bytes) || !temp.Commit(target)) {
    error = "Cannot write " + target.string() + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace zef::model
