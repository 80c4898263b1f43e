#include "model/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
  // The size was checked at open, but a file may grow while it is read.
  const std::size_t at = bytes.size();
  bytes.resize(at + static_cast<std::size_t>(maxBytes));
  const std::size_t got =
      std::fread(bytes.data() + at, 1, static_cast<std::size_t>(maxBytes), file);
  bytes.resize(at + got);
  return std::ferror(file) ? OpenStatus::ShortRead : OpenStatus::Ok;
}

OpenStatus ReadRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                           std::vector<std::uint8_t>& bytes) {
  RegularFile opened = OpenRegularFile(path, maxBytes);
  bytes.clear();
  if (opened.status != OpenStatus::Ok) return opened.status;
  if (ReadUpTo(opened.file.get(), opened.size, bytes) != OpenStatus::Ok ||
      bytes.size() != opened.size) {
    bytes.clear();
    return OpenStatus::ShortRead;
  }
  return OpenStatus::Ok;
}

}  // namespace zef::model
