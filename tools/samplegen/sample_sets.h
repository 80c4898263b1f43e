#pragma once

#include <string>
#include <vector>

#include "model/data_set.h"
#include "textformat/text_writer.h"

namespace zef::samplegen {

// A bundled sample: the file name it is written under, the set, and how the
// writer writes it (symmetry, companion file names).
struct Sample {
  std::string fileName;
  model::DataSet set;
  textformat::TextWriteOptions options;
};

// The samples of data/samples: a ZEF1 two-way, a ZEF2 version-1 column and a
// ZEF2 version-2 coaxial with phase data, a FIR filter and an information file.
std::vector<Sample> BundledSamples();

// The largest set the text format allows: ZEF2 version 2 over bands 50 Hz to
// 20 kHz, full sphere without symmetry, phase data, a complex filter (so the
// text names no companion file).
model::DataSet LargestSet();

}  // namespace zef::samplegen
