#include "binary/binary_reader.h"
#include "binary/read_steps.h"

namespace zef::binary {
namespace {

Fault CheckZef2Version(const BinaryHeader& header) {
  if (header.version == 1) return header.draft != 0 ? Fault::Zef2DraftV1 : Fault::None;
  if (header.version == 2) return header.draft != 0 ? Fault::Zef2DraftV2 : Fault::None;
  return Fault::UnknownVersion;
}

// Distribution binaries of one-third-octave data never start below 50 Hz.
constexpr KindRules kZef2Rules{model::FormatKind::Zef2, kZef2Magic, Fault::NotZef2, 3,
                               CheckZef2Version};

}  // namespace

BinaryReadResult ReadZf2(Input& in, model::MessageSink& errors) {
  return ReadDistributionBinary(in, errors, kZef2Rules);
}

}  // namespace zef::binary
