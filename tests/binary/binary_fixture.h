#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "binary/binary_reader.h"
#include "model/data_set.h"

namespace zef::binary::testing {

using Image = std::vector<std::byte>;

inline constexpr std::size_t kInfoOffset = 52;
inline constexpr std::size_t kDataOffset = 52 + 4572;
inline constexpr std::size_t kZef1SectionsOffset = kDataOffset + 29168;
inline constexpr std::size_t kZef2ExtensionOffset = kDataOffset + 329408;
inline constexpr std::size_t kPhaseOffset = kZef2ExtensionOffset + 532;

// A set with every record filled from `seed`: texts (the model name with a
// Latin-1 letter, author "Measured at the lab", creator category 2), per-band
// arrays and balloon. Band range 1..9 (ZEF1) or 3..29 (ZEF2), the lowest ones a
// binary keeps as they are.
std::unique_ptr<model::DataSet> FilledSet(model::FormatKind kind, std::uint32_t version = 1,
                                          unsigned seed = 1);

// Phase data flag, phase block and a filter of the kind (FIR: 5 taps at 48 kHz).
void AddPhase(model::DataSet& set, model::FilterKind filterKind);
// Two edges, two faces (3 and 4 vertices), one face-edge and flags 4 and 8.
void AddCabinetLists(model::DataSet& set);
void AddEmbeddedFiles(model::DataSet& set, model::EmbeddedKind infoKind);
// The written file cut where its embedded-file section begins.
Image RecordsOnly(const model::DataSet& set);

// A set and its written image, from blank-separated tokens. The first names the
// filled set: zf1, zf2 or zf2v2 (version 2). Then, on the set:
//   phase=none|complex|fir|pending (AddPhase)   phaseflag   the phase data flag alone
//   cab=N   the cabinet flags   lists (AddCabinetLists)   files=text|pdf (AddEmbeddedFiles)
//   records   RecordsOnly
// and on the image (OFFSET: a number, or info, data, sections, ext, phase, each +N):
//   @OFFSET=V   a u32 put      ^OFFSET   a bit flipped      reseal   both checksums redone
//   cut=OFFSET   drop=N   the image cut there, or N bytes shorter
// then bytes appended, as wav::testing::ImageOf gives them (i4:V,V, f:X,X, N*XX, t:TEXT).
struct Described {
  model::FormatKind kind;
  std::unique_ptr<model::DataSet> set;
  Image image;
};
Described Describe(const std::string& description);

void PutU32(Image& image, std::size_t offset, std::uint32_t value);
// Recomputes both header checksums after a test changed the records.
void ResealChecksums(Image& image, model::FormatKind kind);

struct ReadBack {
  std::unique_ptr<model::DataSet> set;
  BinaryHeader header{};
  std::vector<std::string> lines;
};
ReadBack ReadImage(model::FormatKind kind, std::span<const std::byte> image);

// The lines a read wrote, then what it read: header version, band range,
// cabinet lists, embedded files, phase block, filter, system part.
std::string Summary(const ReadBack& read);

// The one line a failed read writes.
std::vector<std::string> FileError(const std::string& message);
}  // namespace zef::binary::testing
