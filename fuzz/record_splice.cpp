#include "record_splice.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "binary/checksums.h"
#include "binary/header.h"
#include "model/data_record.h"
#include "model/info_record.h"
#include "model/phase_block.h"
#include "model/system_part_record.h"

namespace zef::fuzz {
namespace {

constexpr std::size_t kInfoOffset = sizeof(binary::BinaryHeader);
constexpr std::size_t kDataOffset = kInfoOffset + sizeof(model::InfoRecord);
constexpr std::size_t kBandRangeBytes = 8;  // the lowest and highest band lead the data record
constexpr std::uint8_t kKeepChecksums = 0x5A;

// Where the image of a record sits in a whole binary, given its header and info record.
struct RecordPlaces {
  std::size_t dataSize = 0;
  std::size_t systemPartSize = 0;  // between the data record and the phase block
  std::size_t phaseSize = 0;
};

RecordPlaces PlacesOf(std::span<const std::byte> head, model::FormatKind kind) {
  binary::BinaryHeader header;
  model::InfoRecord info;
  std::memcpy(&header, head.data(), sizeof header);
  std::memcpy(&info, head.data() + kInfoOffset, sizeof info);
  RecordPlaces places;
  places.dataSize = kind == model::FormatKind::Zef1 ? sizeof(model::Zef1DataRecord)
                                                    : sizeof(model::Zef2DataRecord);
  if (kind == model::FormatKind::Zef2 && header.version == 2) {
    places.systemPartSize = sizeof(model::SystemPartRecord);
    if (info.presenceFlags & model::presence::kPhaseData) {
      places.phaseSize = sizeof(model::PhaseBlock);
    }
  }
  return places;
}

void Append(std::vector<std::byte>& out, std::span<const std::byte> bytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
}

// The data checksum of the fixed record: a zero record's, made once per kind and
// modulus, plus the bytes of the band range the input gives.
std::uint32_t FixedDataChecksum(model::FormatKind kind, std::uint32_t version,
                                std::span<const std::byte> bandRange) {
  static const auto zeroSum = [](model::FormatKind k, std::uint32_t v) {
    return binary::DataChecksum(v, model::DataRecord(k).Bytes());
  };
  static const std::uint32_t sums[2][2] = {
      {zeroSum(model::FormatKind::Zef1, 1), zeroSum(model::FormatKind::Zef1, 2)},
      {zeroSum(model::FormatKind::Zef2, 1), zeroSum(model::FormatKind::Zef2, 2)}};
  std::uint32_t sum = sums[kind == model::FormatKind::Zef2][version != 1];
  for (const std::byte b : bandRange) sum += std::to_integer<std::uint8_t>(b);
  return sum;
}

}  // namespace

std::vector<std::byte> CutRecords(std::span<const std::byte> image, model::FormatKind kind) {
  if (image.size() < kDataOffset) return {};
  const RecordPlaces places = PlacesOf(image, kind);
  const std::size_t systemPart = kDataOffset + places.dataSize;
  const std::size_t rest = systemPart + places.systemPartSize + places.phaseSize;
  if (image.size() < rest) return {};
  std::vector<std::byte> out;
  Append(out, image.first(kDataOffset + kBandRangeBytes));
  Append(out, image.subspan(systemPart, places.systemPartSize));
  Append(out, image.subspan(rest));
  return out;
}

bool SpliceRecords(std::span<const std::byte> input, model::FormatKind kind,
                   std::vector<std::byte>& image) {
  const std::size_t bandRangeEnd = kDataOffset + kBandRangeBytes;
  image.clear();
  if (input.size() < bandRangeEnd) return false;
  const RecordPlaces places = PlacesOf(input, kind);
  const std::span<const std::byte> bandRange = input.subspan(kDataOffset, kBandRangeBytes);
  const std::size_t systemPartSize = std::min(places.systemPartSize, input.size() - bandRangeEnd);
  Append(image, input.first(kDataOffset + kBandRangeBytes));
  image.resize(image.size() + places.dataSize - kBandRangeBytes);  // a zero record
  Append(image, input.subspan(bandRangeEnd, systemPartSize));
  if (places.phaseSize > 0) image.resize(image.size() + places.phaseSize);  // a zero phase block
  Append(image, input.subspan(bandRangeEnd + systemPartSize));

  binary::BinaryHeader header;
  model::InfoRecord info;
  std::memcpy(&header, image.data(), sizeof header);
  std::memcpy(&info, image.data() + kInfoOffset, sizeof info);
  // A marked header keeps the checksums it gave, so the checks are reached too.
  if (header.reserved2[0] != kKeepChecksums) {
    header.dataChecksum = binary::DataChecksum(header.version, std::as_bytes(std::span(&info, 1))) +
                          FixedDataChecksum(kind, header.version, bandRange);
    header.textChecksum = binary::TextChecksum(info);
  }
  std::memcpy(image.data(), &header, sizeof header);
  return true;
}

}  // namespace zef::fuzz
