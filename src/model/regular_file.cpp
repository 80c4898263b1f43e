#include "model/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace zef::model {

RegularFile OpenRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
  RegularFile out;
  // Non-blocking, so opening a FIFO without a writer returns at once; the
  // type is then judged on the open descriptor, not on a name that may change.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return out;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    out.status = OpenStatus::NotRegular;
    return out;
  }
  out.size = static_cast<std::uint64_t>(info.st_size);
  if (out.size > maxBytes) {
    ::close(fd);
    out.status = OpenStatus::TooLarge;
    return out;
  }
  out.file.reset(::fdopen(fd, "rb"));
  if (!out.file) {
    ::close(fd);
    return out;
  }
  out.status = OpenStatus::Ok;
  return out;
}

OpenStatus ReadUpTo(std::FILE* file, std::uint64_t maxBytes, std::vector<std::uint8_t>& bytes) {
  // In chunks, so that a small file costs no buffer of the largest size; the
  // size was checked at open, but a file may grow while it is read.
  constexpr std::uint64_t kChunk = 64 * 1024;
  for (std::uint64_t left = maxBytes; left > 0;) {
    const auto wanted = static_cast<std::size_t>(std::min(left, kChunk));
    const std::size_t at = bytes.size();
    bytes.resize(at + wanted);
    const std::size_t got = std::fread(bytes.data() + at, 1, wanted, file);
    bytes.resize(at + got);
    if (got < wanted) break;
    left -= got;
  }
  return std::ferror(file) ? OpenStatus::ShortRead : OpenStatus::Ok;
}

OpenStatus ReadRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                           std::vector<std::uint8_t>& bytes) {
  RegularFile opened = OpenRegularFile(path, maxBytes);
  bytes.clear();
  if (opened.status != OpenStatus::Ok) return opened.status;
  bytes.reserve(static_cast<std::size_t>(opened.size));
  if (ReadUpTo(opened.file.get(), opened.size, bytes) != OpenStatus::Ok ||
      bytes.size() != opened.size) {
    bytes.clear();
    return OpenStatus::ShortRead;
  }
  return OpenStatus::Ok;
}

}  // namespace zef::model
