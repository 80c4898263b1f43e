#include "binary/version2_extension.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace zef::binary {
namespace {

constexpr std::size_t kComplexValues = 30;

struct FirHead {
  std::uint32_t count;
  std::uint32_t sampleRate;
};
static_assert(sizeof(FirHead) == 8);

bool ReadFloats(Input& in, std::uint64_t count, std::vector<float>& out) {
  if (count > in.Remaining() / sizeof(float)) return false;
  out.resize(static_cast<std::size_t>(count));
  return in.ReadBytes(std::as_writable_bytes(std::span(out)));
}

bool ReadFilter(Input& in, model::FilterDescriptor& filter) {
  std::uint32_t kind = 0;
  if (!in.ReadRecord(kind)) return false;
  filter.kind = static_cast<model::FilterKind>(kind);
  switch (filter.kind) {
    case model::FilterKind::ThirdOctaveComplex:
      return ReadFloats(in, kComplexValues, filter.real) &&
             ReadFloats(in, kComplexValues, filter.imag);
    case model::FilterKind::FirWav: {
      FirHead head{};
      if (!in.ReadRecord(head)) return false;
      filter.sampleRate = head.sampleRate;
      return ReadFloats(in, head.count, filter.taps);
    }
    default:
      return true;  // nothing follows the kind
  }
}

// Exactly `count` values: what the set holds, zero-padded or cut.
void WriteFloats(ByteBuilder& out, const std::vector<float>& values, std::size_t count) {
  std::vector<float> fixed(values);
  fixed.resize(count, 0.0f);
  out.AppendArray(std::span<const float>(fixed));
}

void WriteFilter(ByteBuilder& out, const model::FilterDescriptor& filter) {
  out.AppendU32(static_cast<std::uint32_t>(filter.kind));
  switch (filter.kind) {
    case model::FilterKind::ThirdOctaveComplex:
      WriteFloats(out, filter.real, kComplexValues);
      WriteFloats(out, filter.imag, kComplexValues);
      break;
    case model::FilterKind::FirWav:
      out.AppendRecord(FirHead{static_cast<std::uint32_t>(filter.taps.size()), filter.sampleRate});
      out.AppendArray(std::span<const float>(filter.taps));
      break;
    default:
      break;
  }
}

// The header announces the phase block by the flag alone; the block itself is
// what the extension carries.
bool PhaseFlagged(const model::DataSet& set) {
  return (set.info->presenceFlags & model::presence::kPhaseData) != 0;
}

}  // namespace

Fault ReadVersion2Extension(Input& in, model::DataSet& set) {
  if (!in.ReadRecord(set.systemPart)) return Fault::MissingEmbedInfo;
  if (!PhaseFlagged(set)) return Fault::None;
  if (in.Remaining() < sizeof(model::PhaseBlock)) return Fault::MissingEmbedInfo;
  auto phase = std::make_unique_for_overwrite<model::PhaseBlock>();
  auto filter = std::make_unique<model::FilterDescriptor>();
  if (!in.ReadRecord(*phase) || !ReadFilter(in, *filter)) return Fault::MissingEmbedInfo;
  set.phase = std::move(phase);
  set.filter = std::move(filter);
  return Fault::None;
}

void WriteVersion2Extension(ByteBuilder& out, const model::DataSet& set) {
  out.AppendRecord(set.systemPart);
  if (!PhaseFlagged(set)) return;
  if (set.phase) {
    out.AppendRecord(*set.phase);
  } else {
    out.Append(std::vector<std::byte>(sizeof(model::PhaseBlock)));
  }
  WriteFilter(out, set.filter ? *set.filter : model::FilterDescriptor{});
}

}  // namespace zef::binary
