#pragma once

#include <filesystem>

#include "app/data_set_holder.h"
#include "app/list_window_lines.h"
#include "app/platform.h"

namespace zef::app {

// What an open needs from the shell.
struct OpenContext {
  Platform& platform;
  ListWindowLines& errors;    // emptied before the read, then the reader's lines
  bool decimalComma = false;  // numbers in messages use a decimal comma
};

struct OpenOutcome {
  bool loaded = false;  // a new set is installed in the holder
  int readResult = 2;   // the reader's result: 0 clean, 1 read with errors, 2 nothing read
  // The polar diagram set-up must start afresh: a binary was loaded, or a
  // text file's first line named the other format kind.
  bool resetPolarSetup = false;
};

// Reads a text file and runs the checks and figures on it. The set is
// installed, with its figures and texts, whenever the reader gave one, valid
// or not; a failed read leaves the holder as it was.
OpenOutcome OpenTextFile(const std::filesystem::path& path, DataSetHolder& holder,
                         const OpenContext& context);

// Reads a distribution binary, the kind chosen by ".ZF1" or ".ZF2" anywhere in
// the name, and derives what it does not carry.
OpenOutcome OpenBinaryFile(const std::filesystem::path& path, DataSetHolder& holder,
                           const OpenContext& context);

// A binary when the name asks for one, else a text file.
OpenOutcome OpenDataFile(const std::filesystem::path& path, DataSetHolder& holder,
                         const OpenContext& context);

}  // namespace zef::app
