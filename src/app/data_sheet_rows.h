#pragma once

#include <array>

#include "analysis/band_range.h"
#include "analysis/directivity.h"
#include "app/data_sheet.h"
#include "model/data_set.h"

namespace zef::app {

// The per-band rows of the data sheet over the bands of `range`.
std::array<SheetRow, kSheetRows> BuildSheetRows(const model::DataSet& set,
                                                const analysis::DirectivityFigures& figures,
                                                const analysis::BandRange& range,
                                                bool showDirectivityIndex, bool decimalComma);

}  // namespace zef::app
