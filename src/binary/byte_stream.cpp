#include "binary/byte_stream.h"

#include <algorithm>
#include <cstring>

#include <cstdio>
#include <utility>

namespace zef::binary {

std::size_t MemoryInput::Read(std::span<std::byte> out) {
  const std::size_t n = std::min<std::size_t>(out.size(), bytes_.size() - position_);
  if (n > 0) std::memcpy(out.data(), bytes_.data() + position_, n);
  position_ += n;
  return n;
}

void MemoryInput::Skip(std::uint64_t count) {
  position_ += static_cast<std::size_t>(std::min<std::uint64_t>(count, Remaining()));
}

FileInput::FileInput(const std::filesystem::path& path) {
  model::RegularFile opened = model::OpenRegularFile(path, kMaxBinaryFileSize);
  status_ = opened.status;
  file_ = std::move(opened.file);
  size_ = opened.size;
}

std::size_t FileInput::Read(std::span<std::byte> out) {
  if (position_ >= size_) return 0;
  const std::size_t n = std::fread(out.data(), 1, out.size(), file_.get());
  position_ += n;
  return n;
}

void FileInput::Skip(std::uint64_t count) {
  // Skipping past the end leaves nothing to read, which the next read reports.
  const std::uint64_t step = std::min(count, Remaining());
  if (step == 0) return;
  position_ =
      ::fseeko(file_.get(), static_cast<off_t>(step), SEEK_CUR) == 0 ? position_ + step : size_;
}

void ByteBuilder::Append(std::span<const std::byte> bytes) {
  if (bytes.empty()) return;
  const std::size_t at = bytes_.size();
  bytes_.resize(at + bytes.size());
  std::memcpy(bytes_.data() + at, bytes.data(), bytes.size());
}

}  // namespace zef::binary
