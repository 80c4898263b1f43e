#pragma once

#include <string>

#include "textformat/minimal_file.h"

namespace zef::app::testing {

// The minimal file with an impedance that varies, so the check asks nothing.
inline std::string QuietZef1() {
  std::string text = textformat::testing::MinimalZef1();
  return text.replace(text.find("<IMPEDANCE>\t8\t<NODATA>"), 22, "<IMPEDANCE>\t8\t12");
}

// Reading this gives "Error on line:    3" and " <MODELNAME> value expected".
inline std::string WithoutModelName(std::string text) {
  return text.replace(text.find("<MODELNAME>\tTest box"), 20, "<MODELNAME>\t");
}

}  // namespace zef::app::testing
