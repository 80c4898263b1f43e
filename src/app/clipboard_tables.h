#pragma once

#include <string>
#include <string_view>

#include "model/data_set.h"

namespace zef::app {

// The two electro-acoustic tables the Edit menu copies as tab-separated text
// for a spreadsheet. `currentFile` is the file the set was read from; numbers
// get a decimal comma when `decimalComma` is set.

// Maker and model, the sensitivity per band, the file name: one line without
// a line end.
std::string SensitivityTable(const model::DataSet& set, std::string_view currentFile,
                             bool decimalComma);

// A header line of the 30 one-third-octave band names, then maker, model, the
// axial spectrum and the file name; no line end after the last line.
std::string AxialSpectrumTable(const model::DataSet& set, std::string_view currentFile,
                               bool decimalComma);

// When the viewer offers the copies: for valid data from a distribution
// binary; the sensitivity not for a powered loudspeaker, the axial spectrum
// only when the file gives one.
bool SensitivityTableAvailable(const model::DataSet& set, bool dataValid, bool loadedFromText);
bool AxialSpectrumTableAvailable(const model::DataSet& set, bool dataValid, bool loadedFromText);

}  // namespace zef::app
