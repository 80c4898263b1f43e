#pragma once

#include "analysis/user_prompt.h"
#include "model/data_set.h"

namespace zef::analysis {

// The consistency check of a cleanly read text file: measurement date,
// impedance bounds, arc agreement on axis and at the rear, variation over
// frequency. Asks through `prompt`; true when the data passes (possibly after
// the user accepted warnings). Replaces the rear point of every arc by the
// power average over the arcs once the rear-point question is passed.
bool CheckData(model::DataSet& set, UserPrompt& prompt, bool decimalComma);

}  // namespace zef::analysis
