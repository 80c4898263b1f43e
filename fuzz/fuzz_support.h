#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "model/data_set.h"

// What every fuzz target shares: a way to stop on a broken invariant, scratch
// files for the readers that only read files, and the checks that a set read
// from any input is one the rest of the program can use.
namespace zef::fuzz {

using Bytes = std::span<const std::uint8_t>;

// Stops the run with the invariant's description, so libFuzzer keeps the input.
void Require(bool holds, std::string_view what);

// One file made exclusively in the temporary folder for the whole run and
// rewritten for every input; removed when the process ends normally.
class ScratchFile {
 public:
  explicit ScratchFile(std::string_view suffix);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::filesystem::path& Write(Bytes bytes);
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
};

// A folder made exclusively in the temporary folder, removed with its files
// when the process ends normally.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  void Put(std::string_view name, std::span<const std::byte> bytes) const;

 private:
  std::filesystem::path path_;
};

// Bit-for-bit equality: values read from any input may be NaN, which never
// equals itself.
bool SameBits(const model::NodeList<model::Edge>& a, const model::NodeList<model::Edge>& b);
bool SameBits(const model::NodeList<model::Face>& a, const model::NodeList<model::Face>& b);
bool SameBits(const model::FilterDescriptor& a, const model::FilterDescriptor& b);

// The lowest band a set of the kind may start with (the binaries raise a lower one).
std::uint32_t LowestBand(model::FormatKind kind);

// Band range inside the grid, format version and the blocks that go with it.
void CheckSetShape(const model::DataSet& set);

// Writes the set as a distribution binary and reads it back: the binary
// reader must take it and give the same stored content.
void CheckBinaryRoundTrip(const model::DataSet& set);

}  // namespace zef::fuzz
