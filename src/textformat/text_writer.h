#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/data_set.h"

namespace zef::textformat {

struct TextWriteOptions {
  // By default every arc is written under <NONE>, so any balloon reads back as
  // it is (the set's symmetry field then reads back as none). With ownSymmetry
  // only the arcs the set's symmetry needs are written: for callers that know
  // the other arcs follow from them.
  bool ownSymmetry = false;
  bool reversedArcOrder = false;
  // Names the text gives its companion files (information file, DXF drawing,
  // FIR taps). Empty: WriteText uses "info.txt" / "info.pdf", "cabinet.dxf"
  // and "fir.wav"; WriteTextFile derives them from the text file's name.
  std::string infoFileName;
  std::string dxfFileName;
  std::string firWavFileName;
  // Written as comment lines after the first line.
  std::vector<std::string> comments;
};

// The set as a complete ZEF text (CR-LF line ends) that the text reader reads
// back to the same set.
std::string WriteText(const model::DataSet& set, const TextWriteOptions& options = {});

// Writes the text and its companion files (information file, DXF drawing,
// FIR taps as a 32-bit float WAV) beside it. Each file is written to a
// temporary file in the same folder and then renamed over the target, so a
// failed write never leaves a half-written file. False with `error` set when a
// file cannot be written.
bool WriteTextFile(const std::filesystem::path& path, const model::DataSet& set,
                   const TextWriteOptions& options, std::string& error);

// ---- Pieces of the writer.

// The shortest text that reads back to exactly the same 32-bit value.
std::string RealText(float value);

// The level to write for a balloon point so that the reader, which subtracts
// the arc's point 0 (written as `onAxis`), stores exactly `stored`; when no
// level does, the closest one.
float ArcLevel(float stored, float onAxis);

}  // namespace zef::textformat
