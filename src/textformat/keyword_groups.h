#pragma once

#include "textformat/reader.h"

namespace zef::textformat {

// The keyword groups of a data file, in the order the file gives them. Each
// returns false when a fatal error stops the read.

// <VERSION> to <WEIGHT>: identification and description.
bool ReadIdentification(Reader& r);
// <MINBAND>, <MAXBAND> and, in format version 2, <PHASEDATA>.
bool ReadBandRange(Reader& r);
// <MEASUREMENT-CONTACT> to <TYPE>.
bool ReadMeasurement(Reader& r);
// <SENSITIVITY> to <CUSTOM-SPECTRUM>, for types that are not powered.
bool ReadElectroAcoustic(Reader& r);
// <FILTER> and its lines (ZEF2 with phase data), called by ReadElectroAcoustic.
bool ReadFilter(Reader& r);
// <RADIATION>.
bool ReadRadiation(Reader& r);
// <AXIAL-SPECTRUM>, <AXIAL-SPECTRUM-INFO>.
bool ReadAxialSpectrum(Reader& r);
// <BALLOON-SYMMETRY> to the last band, then the rotation.
bool ReadBalloon(Reader& r);
// <CABINET-SYSTEM>, <CABINET> lines, <CABINET-MR> and the end tag.
bool ReadCabinet(Reader& r);

}  // namespace zef::textformat
