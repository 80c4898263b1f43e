#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace zef::model {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
// The file handle every reader holds.
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

enum class OpenStatus {
  Ok,
  OpenFailed,  // missing, unreadable
  NotRegular,  // a folder, device, pipe or socket
  TooLarge,    // more bytes than the format can hold
  ShortRead,   // fewer bytes arrived than the file's size promised
};

struct RegularFile {
  OpenStatus status = OpenStatus::OpenFailed;
  FilePtr file;  // set only with status Ok, positioned at the start
  std::uint64_t size = 0;
};

// Opens a regular file of at most maxBytes for reading. Devices, pipes and
// folders are refused without blocking and without reading a byte, and the
// size is checked before anything is read, so no reader can hang on a FIFO or
// allocate for /dev/zero.
RegularFile OpenRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes);

// Reads at most maxBytes of an open file from its current position, appending them.
OpenStatus ReadUpTo(std::FILE* file, std::uint64_t maxBytes, std::vector<std::uint8_t>& bytes);

// Opens a regular file of at most maxBytes and reads it whole.
OpenStatus ReadRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                           std::vector<std::uint8_t>& bytes);

}  // namespace zef::model
