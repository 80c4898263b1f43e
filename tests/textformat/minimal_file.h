#pragma once

#include <string>
#include <string_view>

// Tests elsewhere that build on this file read it with the text reader.
#include "textformat/reader.h"
#include "textformat/text_reader.h"

namespace zef::textformat::testing {

// Turns "\n" into the CR-LF line ends data files need.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// A small complete ZEF1 file: bands 1k and 2k, rotational balloon, half sphere.
inline std::string MinimalZef1(std::string_view weight = "12.5", std::string_view cabinet = "") {
  std::string text =
      "<ZEF1>\n<VERSION>\t1\n<MODELNAME>\tTest box\n<INFOFILE>\t\n<MANUFACTURER>\tAcme\n"
      "<WEB-SITE>\twww.example.com\n<DESCRIPTION>\tA test\n<COLORS>\tblack\n<MOUNTING>\t\n"
      "<WEIGHT>\t" +
      std::string(weight) +
      "\n"
      "<MINBAND>\t1k\n<MAXBAND>\t2000\n"
      "<MEASUREMENT-CONTACT>\tLab\n<MEASUREMENT-EMAIL>\tlab@example.com\n"
      "<MEASUREMENT-DATE>\t2024-jan-5\n<MEASUREMENT-NOTE>\t\n<MEASUREMENT-ENVIRONMENT>\t\n"
      "<MEASUREMENT-DISTANCE>\t\n<MEASUREMENT-INPUTVOLTAGE>\t\n<TYPE>\t<PASSIVE>\n"
      "<SENSITIVITY>\t90\t91.5\n<SENSITIVITY-INFO>\t\n<IMPEDANCE>\t8\t<NODATA>\n"
      "<IMPEDANCE-INFO>\t\n<TOTMAXINPUT>\t<POWER>\t100\t<METHOD>\t<AES2-1984>\n"
      "<RADIATION>\t<HALFSPHERE>\n<AXIAL-SPECTRUM>\t\n<AXIAL-SPECTRUM-INFO>\t\n"
      "<BALLOON-SYMMETRY>\t<ROTATIONAL>\n<BALLOON-ARC-ORDER>\t<DEFAULT>\n"
      "<BALLOON-REF>\t<RELATIVE>\t<SIGN>\t<ACTUAL>\n"
      "<BAND>\t1000\n# on axis first\n90\t89\t88\t87\t86\t85\t84\t83\t82\t81\n"
      "<BAND>\t2k\n91\t90\t89\t88\t87\t86\t85\t84\t83\t82\n"
      "<CABINET-SYSTEM>\t\n";
  text += cabinet;
  text += "<ZEF1END>\n";
  return Crlf(text);
}

}  // namespace zef::textformat::testing
