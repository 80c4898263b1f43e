#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "binary/checksums.h"
#include "model/fixed_text.h"

namespace zef::binary {
namespace {

model::InfoRecord EmptyInfo() {
  model::InfoRecord info;
  std::memset(&info, 0, sizeof info);
  return info;
}

TEST(TextChecksum, WeighsEachByteByFieldAndPositionUpToAZeroOrTheRecordEnd) {
  model::InfoRecord info = EmptyInfo();
  model::SetText(info.modelName, "AB");     // field 2: 'A' x 2 + 'B' x 3
  model::SetText(info.writerText, "\xFF");  // field 10; bytes count unsigned
  model::SetText(info.colors, "red");       // not one of the ten fields
  EXPECT_EQ(TextChecksum(info), 65u * 2 + 66u * 3 + 255u * 10);

  // A field without its zero runs on: 'B' at position 256, then a zero.
  info = EmptyInfo();
  std::memset(info.author, 'A', sizeof info.author);
  info.creatorCategory = 0x42;
  EXPECT_EQ(TextChecksum(info), 65u * (256u * 257u / 2) + 66u * 257u);
  // From the last field on, 2224 bytes of 1 weighted 10, 11, ... to the record end.
  info = EmptyInfo();
  std::memset(reinterpret_cast<unsigned char*>(&info) + 2348, 1, sizeof info - 2348);
  EXPECT_EQ(TextChecksum(info), 2224u * 10 + 2223u * 2224u / 2);
}

TEST(DataChecksum, AddsIndexModuloSevenForVersionOneAndSixOtherwise) {
  const std::vector<std::byte> zeros(8);
  EXPECT_EQ(DataChecksum(1, zeros), 0u + 1 + 2 + 3 + 4 + 5 + 6 + 0);
  EXPECT_EQ(DataChecksum(2, zeros), 0u + 1 + 2 + 3 + 4 + 5 + 0 + 1);
  EXPECT_EQ(DataChecksum(3, zeros), DataChecksum(2, zeros));
  const std::vector<std::byte> bytes{std::byte{200}, std::byte{255}, std::byte{1}};
  EXPECT_EQ(DataChecksum(1, bytes), 200u + 255u + 1u + 0 + 1 + 2);

  // The file's sum adds info and data, each counted from zero.
  model::InfoRecord info = EmptyInfo();
  info.presenceFlags = 0x0100;  // one byte of 1
  model::DataRecord data(model::FormatKind::Zef1);
  data.MaxBand() = 9;
  EXPECT_EQ(FileDataChecksum(1, info, data), DataChecksum(1, std::vector<std::byte>(4572)) + 1u +
                                                 DataChecksum(1, std::vector<std::byte>(29168)) +
                                                 9u);
}

}  // namespace
}  // namespace zef::binary
