#pragma once

#include "fuzz_support.h"
#include "model/bands.h"

namespace zef::fuzz {

// One input for a distribution binary reader of the kind: a binary without its
// record images (record_splice.h), read with fixed ones put back.
void FuzzBinary(model::FormatKind kind, Bytes input);

}  // namespace zef::fuzz
