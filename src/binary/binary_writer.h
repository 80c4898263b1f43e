#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/data_set.h"

namespace zef::binary {

// The fields of a binary that a text file does not give. An option left
// empty keeps what the set holds, so a set read from a binary is written back
// as it was read.
struct WriteOptions {
  std::optional<std::string> author;             // info record text at offset 0
  std::optional<std::uint32_t> creatorCategory;  // info record offset 256, 0 to 5
  std::optional<std::string> writerText;         // info record text at offset 2348
  // Mark 0 with a version text from "v1.0f" on tells the opening flow that the
  // figures the file carries are complete and need no recomputing.
  std::uint32_t writerMark = 0;
  std::string writerVersion = "v1.0f";
};

// Header version a set is written with: 2 for a ZEF2 set of format version 2
// (with the system-part record, and phase and filter when flagged), else 1.
std::uint32_t HeaderVersionFor(const model::DataSet& set);

// The complete file: header with both checksums, records, the version-2
// extension, embedded files and the cabinet lists the cabinet flags announce.
// The draft flag is always 0: readers refuse anything else.
std::vector<std::byte> BuildBinaryImage(const model::DataSet& set,
                                        const WriteOptions& options = {});

// Writes the image to `path`; false with a message in `error` when it cannot.
bool WriteBinaryFile(const std::filesystem::path& path, const model::DataSet& set,
                     const WriteOptions& options, std::string& error);

}  // namespace zef::binary
