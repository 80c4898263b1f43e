#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <type_traits>
#include <vector>

#include "model/regular_file.h"

namespace zef::binary {

// Where a reader takes its bytes from. Remaining() lets a reader check a size
// or count from the file against what the file still holds before it
// allocates anything.
class Input {
 public:
  virtual ~Input() = default;
  // Reads up to out.size() bytes; gives the number read.
  virtual std::size_t Read(std::span<std::byte> out) = 0;
  virtual void Skip(std::uint64_t count) = 0;
  virtual std::uint64_t Remaining() const = 0;

  // One read of a whole record image; false when the input runs short.
  template <typename T>
  bool ReadRecord(T& record) {
    static_assert(std::is_trivially_copyable_v<T>);
    return ReadBytes(std::as_writable_bytes(std::span(&record, 1)));
  }
  bool ReadBytes(std::span<std::byte> out) { return Read(out) == out.size(); }
};

class MemoryInput final : public Input {
 public:
  explicit MemoryInput(std::span<const std::byte> bytes) : bytes_(bytes) {}
  std::size_t Read(std::span<std::byte> out) override;
  void Skip(std::uint64_t count) override;
  std::uint64_t Remaining() const override { return bytes_.size() - position_; }

 private:
  std::span<const std::byte> bytes_;
  std::size_t position_ = 0;
};

// Far above any binary the text files can give (data, phase block, embedded
// files and the cabinet lists of a large drawing).
inline constexpr std::uint64_t kMaxBinaryFileSize = 64 * 1024 * 1024;

class FileInput final : public Input {
 public:
  explicit FileInput(const std::filesystem::path& path);
  // Ok when the path names a regular file of at most kMaxBinaryFileSize bytes.
  model::OpenStatus Status() const { return status_; }

  std::size_t Read(std::span<std::byte> out) override;
  void Skip(std::uint64_t count) override;
  std::uint64_t Remaining() const override { return position_ < size_ ? size_ - position_ : 0; }

 private:
  model::OpenStatus status_;
  model::FilePtr file_;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
};

// Collects the bytes of a file being written.
class ByteBuilder {
 public:
  void Append(std::span<const std::byte> bytes);
  template <typename T>
  void AppendRecord(const T& record) {
    static_assert(std::is_trivially_copyable_v<T>);
    Append(std::as_bytes(std::span(&record, 1)));
  }
  template <typename T>
  void AppendArray(std::span<const T> values) {
    static_assert(std::is_trivially_copyable_v<T>);
    Append(std::as_bytes(values));
  }
  void AppendU32(std::uint32_t value) { AppendRecord(value); }

  void Reserve(std::size_t size) { bytes_.reserve(size); }
  std::vector<std::byte>& Bytes() { return bytes_; }

 private:
  std::vector<std::byte> bytes_;
};

}  // namespace zef::binary
