#pragma once

#include "app/data_set_holder.h"
#include "cli/json_writer.h"

namespace zef::cli {

// The member "figures": what the open flow derived for the loaded set (per-band
// arrays by band index, the set-wide flags, impedance and sensitivity
// figures, the test spectrum and the power of a voltage rating).
void WriteFiguresMember(JsonWriter& json, const app::DataSetHolder& holder);

}  // namespace zef::cli
