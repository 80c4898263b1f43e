#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/cta2034.h"
#include "analysis/directivity.h"
#include "analysis/user_prompt.h"
#include "model/data_set.h"
#include "model/fixed_text.h"

namespace zef::analysis::testing {

// Records every box as "error: text" or "question: text" and answers the
// questions in turn; a question beyond the answers fails the test.
struct ScriptedPrompt : UserPrompt {
  explicit ScriptedPrompt(std::vector<bool> given = {}) : answers(std::move(given)) {}
  void ShowError(std::string_view text) override { boxes.push_back("error: " + std::string(text)); }
  bool AskYesNo(std::string_view text) override {
    boxes.push_back("question: " + std::string(text));
    EXPECT_LT(next, answers.size()) << "unscripted question: " << text;
    return next < answers.size() && answers[next++];
  }
  std::vector<std::string> boxes;
  std::vector<bool> answers;
  std::size_t next = 0;
};

// Balloon level of a direction: theta from the axis, phi the arc's rotation.
using LevelOf = std::function<float(double thetaDeg, double phiDeg)>;

// Sets every arc of every band of the range from `level`, stored relative to
// the arc's own on-axis level as the reader leaves it.
inline void FillBalloon(model::DataSet& set, const LevelOf& level) {
  const model::Grid& grid = set.GetGrid();
  for (int band = static_cast<int>(set.data.MinBand());
       band <= static_cast<int>(set.data.MaxBand()); ++band) {
    for (int arc = 0; arc < grid.arcs; ++arc) {
      const double phi = arc * grid.stepDeg;
      const float axis = level(0, phi);
      for (int p = 0; p < grid.points; ++p) {
        set.data.Arc(band, arc)[p] = level(p * grid.stepDeg, phi) - axis;
      }
    }
  }
}

// A set that passes the consistency check without a question: a valid date,
// passive, an omnidirectional balloon with equal on-axis levels, impedance
// and sensitivity that vary over frequency.
inline model::DataSet CleanSet(model::FormatKind kind, int first, int last) {
  model::DataSet set(kind);
  model::SetText(set.info->measurementDate, "2002-AUG-12");
  set.info->type = model::SpeakerType::Passive;
  set.info->balloonRef = model::BalloonRef::Relative;
  set.data.MinBand() = static_cast<std::uint32_t>(first);
  set.data.MaxBand() = static_cast<std::uint32_t>(last);
  for (int band = first; band <= last; ++band) {
    set.data.Array(model::PerBand::Impedance)[band] = 6.0f + static_cast<float>(band % 4);
    set.data.Array(model::PerBand::Sensitivity)[band] = 88.0f + static_cast<float>(band % 3);
    for (int arc = 0; arc < set.GetGrid().arcs; ++arc) set.data.OnAxis(band, arc) = 90.0f;
  }
  FillBalloon(set, [](double, double) { return 0.0f; });
  return set;
}

inline std::string Fixed(double v, int decimals = 3) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  const std::string out = text;
  return out.find_first_not_of("-0.") == std::string::npos ? out.substr(out[0] == '-') : out;
}

// A maximum direction: "0" only when exactly on the axis, as a balloon equal
// on both sides must give.
inline std::string Direction(double v) {
  return v == 0 ? "0" : Fixed(v);
}

// The directivity figures, computed in the order the open flow does, and the
// CTA-2034 curves of every band of a set, rounded, one band a line; the
// bands just outside its range are listed to show they are left alone.
inline std::string FiguresListing(model::DataSet& set) {
  DirectivityFigures f;
  ComputeMaxDirections(set.kind, set.data, f);
  ComputeHalfWidths(set.data);
  ComputeWidths(set.data, f);
  ComputeAxialQ(set.data);
  const CtaCurves cta = ComputeCta2034(set);
  std::string out = "off axis: horizontal " + std::to_string(f.horizontalOffAxis) + " vertical " +
                    std::to_string(f.verticalOffAxis) + "\n";
  using enum model::PerBand;
  const int first = static_cast<int>(set.data.MinBand()),
            last = static_cast<int>(set.data.MaxBand());
  for (int b = std::max(first - 1, 0); b <= std::min(last + 1, model::kMaxBands - 1); ++b) {
    if (b < first || b > last) {  // left alone
      out += "band " + std::to_string(b) + " outside: Q " + Fixed(set.data.Array(AxialQ)[b], 4) +
             " widths " + Fixed(f.horizontalWidth[b]) + " " + Fixed(f.verticalWidth[b]) + "\n";
      continue;
    }
    out +=
        "band " + std::to_string(b) + ": Q " + Fixed(set.data.Array(AxialQ)[b], 4) + " half-widths";
    for (const auto half : {HalfWidthH1, HalfWidthH2, HalfWidthV1, HalfWidthV2})
      out += " " + Fixed(set.data.Array(half)[b]);
    out += " widths " + Fixed(f.horizontalWidth[b]) + " " + Fixed(f.verticalWidth[b]) + " max " +
           Direction(f.horizontalMaxAngle[b]) + " " + Direction(f.verticalMaxAngle[b]) +
           " classes " + std::to_string(f.horizontalOffClass[b]) + " " +
           std::to_string(f.verticalOffClass[b]) + " " + std::to_string(f.offAxisClass[b]) +
           "\n  cta" + (cta.bands[b].absolute ? " absolute" : " relative");
    for (int c = 0; c < kCtaCurveCount; ++c) {
      out += " " + std::string(CtaCurveKey(static_cast<CtaCurve>(c))) + " " +
             Fixed(cta.bands[b].level[c]);
    }
    out += "\n";
  }
  return out;
}

inline int RearPoint(const model::DataSet& set) {
  return set.GetGrid().points - 1;
}

}  // namespace zef::analysis::testing
