#include "binary/binary_reader.h"
#include "binary/read_steps.h"

namespace zef::binary {
namespace {

Fault CheckZef1Version(const BinaryHeader& header) {
  if (header.version != 1) return Fault::UnknownVersion;
  if (header.draft != 0) return Fault::Zef1Draft;
  return Fault::None;
}

// Octave bands start at index 1; index 0 has no band.
constexpr KindRules kZef1Rules{model::FormatKind::Zef1, kZef1Magic, Fault::NotZef1, 1,
                               CheckZef1Version};

}  // namespace

BinaryReadResult ReadZf1(Input& in, model::MessageSink& errors) {
  return ReadDistributionBinary(in, errors, kZef1Rules);
}

}  // namespace zef::binary
