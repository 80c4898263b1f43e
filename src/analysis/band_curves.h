#pragma once

#include <array>

#include "model/data_set.h"

namespace zef::analysis {

using Spectrum = std::array<float, 30>;  // one-third-octave band indices 0..29

// The test spectrum of the set's maximum-input method: AES2-1984 placed at
// the set's lowest band, the IEC-268-1 or EIA-426-B table, or the custom one.
Spectrum TestSpectrum(const model::DataSet& set);
// The test spectrum's maximum: 0 for the standard ones, the largest given
// custom value (-10000 when none is given).
float TestSpectrumMaximum(const model::DataSet& set);
// Name of a method's spectrum in titles ("AES2-1984 spectrum", ...).
const char* TestSpectrumName(model::TestMethod method);

// Power average of the first run of given values of a spectrum.
float SpectrumPowerAverage(const Spectrum& spectrum);

// Equivalent power in W of a maximum input given as a voltage (V^2 / 8 + 3 dB).
float EquivalentPower(float volts);

// Maximum and power-average sensitivity over the bands with a value; both 0
// for a powered loudspeaker.
struct SensitivityReference {
  float maximum = 0;
  float average = 0;
};
SensitivityReference ComputeSensitivityReference(const model::DataSet& set);

}  // namespace zef::analysis
