#pragma once

#include "analysis/directivity.h"
#include "binary/header.h"
#include "model/data_set.h"

namespace zef::app {

// The directivity figures after the off-axis analysis, in their order: the
// -6 dB half-widths, the full widths, the axial Q.
void ComputeDirectivityFigures(model::DataSet& set, analysis::DirectivityFigures& figures);

// True for a binary whose writer did not yet store complete figures: writer
// mark 0 and a version text whose first 7 characters sort before "v1.0f" or
// that begins with the byte 0xDF.
bool WrittenByOlderWriter(const binary::BinaryHeader& header);

// What a loaded binary needs beside the figures it carries: the full widths
// and the impedance figures always, every directivity figure again when an
// older writer made it.
void DeriveBinaryFigures(model::DataSet& set, const binary::BinaryHeader& header,
                         analysis::DirectivityFigures& figures);

}  // namespace zef::app
