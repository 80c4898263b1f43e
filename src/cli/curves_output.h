#pragma once

#include <string>

#include "analysis/cta2034.h"
#include "cli/json_writer.h"
#include "model/data_set.h"

namespace zef::cli {

// The member "curves": whether each band's levels are absolute, then every
// CTA-2034-A curve as an array by band index (-12000 outside the set's range).
void WriteCurvesMember(JsonWriter& json, const model::DataSet& set);

// The curves as text for a terminal: a block per band with a line per curve.
std::string CurvesText(const model::DataSet& set, const analysis::CtaCurves& curves);

}  // namespace zef::cli
