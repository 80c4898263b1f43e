#include "cabinet/temp_dxf_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace zef::cabinet {
namespace fs = std::filesystem;
namespace {

constexpr char kPattern[] = "ZEFXXXXXX.DXF";
constexpr int kSuffixLength = 4;  // ".DXF"

// Closes the descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

TempDxfFile::~TempDxfFile() {
  std::error_code ec;
  if (!path_.empty()) fs::remove(path_, ec);
}

bool TempDxfFile::Write(std::span<const std::uint8_t> bytes) {
  std::error_code ec;
  const fs::path folder = fs::temp_directory_path(ec);
  if (ec) return false;
  std::string name = (folder / kPattern).string();
  // mkstemps creates the file with O_EXCL and fills in the X's.
  Descriptor fd(::mkstemps(name.data(), kSuffixLength));
  if (fd.Get() < 0) return false;
  path_ = name;
  return WriteAll(fd.Get(), bytes) && fd.Close();
}

}  // namespace zef::cabinet
