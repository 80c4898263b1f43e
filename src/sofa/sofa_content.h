#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/data_set.h"

namespace zef::sofa {

// A balloon laid out as an AES69 SOFA file of the FreeFieldDirectivityTF
// convention holds it: one measurement, a receiver on every distinct grid
// direction around the loudspeaker, the bands as frequencies.
struct SofaBalloon {
  std::vector<double> frequencies;  // N, Hz
  // R x 3: azimuth (degrees, counter-clockwise from the front towards the
  // left), elevation (degrees, up positive), radius (metres).
  std::vector<double> receivers;
  // 1 x R x N: the complex pressure 10^(L / 20) at the phase, where L is the
  // sensitivity plus the balloon level (the balloon level alone for a band
  // without sensitivity); phase 0 when the set has no phase data.
  std::vector<double> real;
  std::vector<double> imag;
  std::vector<std::pair<std::string, std::string>> attributes;  // global, UTF-8

  std::size_t ReceiverCount() const { return receivers.size() / 3; }
};

// Azimuth and elevation in degrees of point `point` of arc `arc`: arc 0 runs
// up from the axis, arc Q to the left (X front, Y left, Z up).
std::pair<double, double> DirectionOf(const model::Grid& grid, int arc, int point);

// `now` is the creation date as SOFA writes dates ("yyyy-mm-dd HH:MM:SS").
SofaBalloon BuildSofaBalloon(const model::DataSet& set, const std::string& now);

}  // namespace zef::sofa
