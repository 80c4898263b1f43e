#pragma once

#include "fuzz_support.h"
#include "model/bands.h"

namespace zef::fuzz {

// One input for a distribution binary reader of the kind: read as it is, then
// with its checksums made right so that the sections behind the records are
// reached too.
void FuzzBinary(model::FormatKind kind, Bytes input);

}  // namespace zef::fuzz
