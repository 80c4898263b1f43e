#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "textformat/balloon_completion.h"
#include "textformat/keyword_groups.h"

namespace zef::textformat {
namespace {

using model::Symmetry;

template <typename T>
struct Choice {
  std::string_view token;
  T value;
};

// Reads the next value of a keyword line as one of a fixed set of tokens.
template <typename T, std::size_t N>
bool ReadChoice(Reader& r, std::string_view keyword, const Choice<T> (&choices)[N], T& out,
                std::string_view missing = " value expected",
                std::string_view illegal = " illegal value") {
  if (!r.NextValue()) return r.Fatal(keyword, missing);
  for (const Choice<T>& c : choices) {
    if (r.ValueIs(c.token)) {
      out = c.value;
      return true;
    }
  }
  return r.Fatal(keyword, illegal);
}

// Phase arcs follow the level arcs only in a ZEF2 set that declared phase data.
bool HasPhaseBalloon(Reader& r) {
  return r.Kind() == model::FormatKind::Zef2 && r.Set().HasPhaseData();
}

// The phase balloon of one band, laid out like the level balloon.
std::span<float> PhaseBand(Reader& r, int band) {
  const model::Grid& grid = r.Data().GetGrid();
  return {&r.Set().phase->balloon[band][0][0], static_cast<std::size_t>(grid.arcs * grid.points)};
}

// ---- <BALLOON-SYMMETRY>, <BALLOON-ARC-ORDER>, <BALLOON-REF>

bool ReadSymmetry(Reader& r) {
  constexpr std::string_view kKeyword = "<BALLOON-SYMMETRY>";
  static constexpr Choice<Symmetry> kChoices[] = {
      {"<FULL>", Symmetry::Full},
      {"<VERTICAL>", Symmetry::Vertical},
      {"<HORIZONTAL>", Symmetry::Horizontal},
      {"<NONE>", Symmetry::None},
      {"<ROTATIONAL>", Symmetry::Rotational},
      {"<POLAR>", Symmetry::Polar},
  };
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!ReadChoice(r, kKeyword, kChoices, r.Info().symmetry)) return false;
  if (r.Info().symmetry == Symmetry::Polar && HasPhaseBalloon(r)) {
    return r.Fatal("<POLAR>", " not supported with phase data");
  }
  return true;
}

// The optional "<ROTATE> degrees" after the arc order. Its errors are not
// fatal, and after any of them the balloon is not rotated at all.
void ReadRotation(Reader& r, std::string_view keyword) {
  if (!r.ValueIs("<ROTATE>")) return r.NonFatal(keyword, " <ROTATE> expected");
  if (!r.NextValue()) return r.NonFatal(keyword, " <ROTATE> value expected");
  std::int32_t degrees = 0;
  if (!r.ToInteger(degrees)) return r.MarkErrors();
  if (degrees < -180 || degrees > 180) return r.NonFatal(keyword, " <ROTATE> > 180 degrees");
  const int step = r.Data().GetGrid().stepDeg;
  if (degrees % step != 0) {
    return r.NonFatal(keyword, " <ROTATE> not a multiple of " + std::to_string(step) + " degrees");
  }
  r.State().rotationSteps = degrees / step;
  r.State().quarterTurn = degrees == 90 || degrees == -90;
}

bool ReadArcOrder(Reader& r) {
  constexpr std::string_view kKeyword = "<BALLOON-ARC-ORDER>";
  static constexpr Choice<bool> kChoices[] = {{"<DEFAULT>", false}, {"<REVERSED>", true}};
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!ReadChoice(r, kKeyword, kChoices, r.State().arcsReversed)) return false;
  r.State().rotationSteps = 0;
  r.State().quarterTurn = false;
  if (r.NextValue()) ReadRotation(r, kKeyword);
  return true;
}

bool ReadSign(Reader& r, std::string_view keyword) {
  static constexpr Choice<bool> kChoices[] = {{"<ACTUAL>", false}, {"<REVERSED>", true}};
  // The token standing for <SIGN> is not compared.
  if (!r.NextValue()) return r.Fatal(keyword, "<SIGN> expected");
  return ReadChoice(r, keyword, kChoices, r.State().signReversed,
                    "<SIGN> <ACTUAL> or <REVERSED> expected",
                    "<SIGN> <ACTUAL> or <REVERSED> allowed");
}

bool ReadReference(Reader& r) {
  using model::BalloonRef;
  constexpr std::string_view kKeyword = "<BALLOON-REF>";
  static constexpr Choice<BalloonRef> kChoices[] = {{"<ABSOLUTE>", BalloonRef::Absolute},
                                                    {"<RELATIVE>", BalloonRef::Relative},
                                                    {"<ARBITRARY>", BalloonRef::Arbitrary}};
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  BalloonRef& ref = r.Info().balloonRef;
  if (!ReadChoice(r, kKeyword, kChoices, ref)) return false;
  if (HasPhaseBalloon(r) && ref != BalloonRef::Relative) {
    return r.Fatal(kKeyword, " only <relative> allowed with phase data");
  }
  if (ref != BalloonRef::Absolute) return ReadSign(r, kKeyword);
  // Absolute levels only mean something at a known distance and input voltage.
  constexpr std::uint32_t kNeeded =
      model::presence::kMeasurementDistance | model::presence::kInputVoltage;
  if ((r.Info().presenceFlags & kNeeded) != kNeeded) {
    return r.Fatal(kKeyword,
                   "<ABSOLUTE> requires <MEASUREMENT-INPUTVOLTAGE> and <MEASUREMENT-DISTANCE>");
  }
  r.State().signReversed = false;
  return true;
}

// ---- Band lines

// Reads the <BAND> or <PHASE> line that opens a block. A missing line, a
// line holding something else and, for <BAND>, a missing or wrong label all
// end the read with the one message naming what was expected, so the line is
// scanned here without the reader's own complaints.
bool ExpectBlockLine(Reader& r, std::string_view keyword, std::optional<int> band = {}) {
  LineScanner& scanner = r.Scanner();
  bool ok = scanner.ReadKeyword() == LineScanner::Status::Ok && scanner.Keyword() == keyword;
  if (ok && band) {
    ok = scanner.ReadValues() == LineScanner::Status::Ok && !scanner.Values().empty() &&
         model::FindBand(r.Kind(), scanner.Values().front()) == band;
  }
  const std::string_view label = band ? model::BandLabel(r.Kind(), *band) : std::string_view{};
  return ok || r.Fatal("Expecting " + std::string(keyword), label);
}

struct ArcMessages {
  std::string_view missingValue;
  std::string_view bandError;
};

constexpr ArcMessages kLevelMessages{"missing arc value", "Balloon data error band "};
constexpr ArcMessages kPhaseMessages{"missing phase arc value", "Balloon phasedata error band "};

// Reads the arc lines of one band into `band`, points 0 to the last point of
// each, multiplied by `sign`. Lines without a first field are passed over.
bool ReadArcLines(Reader& r, std::span<const int> arcs, std::span<float> band, float sign,
                  const ArcMessages& messages, std::string_view label) {
  const model::Grid& grid = r.Data().GetGrid();
  const int lastPoint = std::clamp(r.State().lastPoint, 0, grid.points - 1);
  for (const int a : arcs) {
    do {
      if (!r.ReadDataLine()) return false;
    } while (r.ValueCount() == 0);
    const std::span<float> arc = ArcOf(band, grid, a);
    for (int p = 0; p <= lastPoint; ++p) {
      if (!r.NextValue()) {
        r.Report(messages.missingValue);
        return r.Fatal(messages.bandError, label);
      }
      float value = 0;
      if (!r.ToReal(value)) return r.Fatal(messages.bandError, label);
      arc[p] = sign * value;
    }
  }
  return true;
}

bool IsHalfSphere(Reader& r) {
  return r.Info().radiation == model::Radiation::HalfSphere;
}

bool ReadPhaseArcs(Reader& r, int bandIndex, std::span<const int> arcs, std::string_view label) {
  const model::Grid& grid = r.Data().GetGrid();
  if (!ExpectBlockLine(r, "<PHASE>")) return false;
  const std::span<float> band = PhaseBand(r, bandIndex);
  if (!ReadArcLines(r, arcs, band, 1.0f, kPhaseMessages, label)) return false;
  CompleteBySymmetry(r.Info().symmetry, band, grid);
  for (int a = 0; a < grid.arcs; ++a) {
    if (ArcOf(band, grid, a)[0] != 0.0f) return r.Fatal(kPhaseMessages.bandError, label);
  }
  if (IsHalfSphere(r)) FillBeyond(band, grid, r.State().lastPoint, 0.0f);
  if (r.State().phaseInDegrees) {
    for (float& v : band) v *= model::kDegreesToRadians;
  }
  return true;
}

bool ReadBand(Reader& r, int bandIndex, std::span<const int> arcs) {
  constexpr float kRearLevel = -50.0f;
  const model::Grid& grid = r.Data().GetGrid();
  const std::string_view label = model::BandLabel(r.Kind(), bandIndex);
  if (!ExpectBlockLine(r, "<BAND>", bandIndex)) return false;
  const std::span<float> band = r.Data().BandBalloon(bandIndex);
  const float sign = r.State().signReversed ? -1.0f : 1.0f;
  if (!ReadArcLines(r, arcs, band, sign, kLevelMessages, label)) return false;
  if (r.Info().symmetry == Symmetry::Polar) {
    CompletePolar(band, grid);
  } else {
    CompleteBySymmetry(r.Info().symmetry, band, grid);
  }
  SeparateOnAxis(band, std::span(&r.Data().OnAxis(bandIndex, 0), grid.arcs), grid);
  if (IsHalfSphere(r)) FillBeyond(band, grid, r.State().lastPoint, kRearLevel);
  return !HasPhaseBalloon(r) || ReadPhaseArcs(r, bandIndex, arcs, label);
}

// The rotation turns levels and phases alike; the on-axis levels stay per arc
// as they were read.
void ApplyRotation(Reader& r, int firstBand, int lastBand) {
  const model::Grid& grid = r.Data().GetGrid();
  const int steps = r.State().rotationSteps;
  if (steps != 0) {
    for (int b = firstBand; b <= lastBand; ++b) {
      RotateArcs(r.Data().BandBalloon(b), grid, steps);
      if (HasPhaseBalloon(r)) {
        RotateArcs(PhaseBand(r, b), grid, steps);
      }
    }
  }
  // A quarter turn swaps the planes the symmetry refers to.
  Symmetry& symmetry = r.Info().symmetry;
  if (r.State().quarterTurn && symmetry == Symmetry::Vertical) {
    symmetry = Symmetry::Horizontal;
  } else if (r.State().quarterTurn && symmetry == Symmetry::Horizontal) {
    symmetry = Symmetry::Vertical;
  }
}

}  // namespace

bool ReadRadiation(Reader& r) {
  using model::Radiation;
  constexpr std::string_view kKeyword = "<RADIATION>";
  static constexpr Choice<Radiation> kChoices[] = {{"<HALFSPHERE>", Radiation::HalfSphere},
                                                   {"<FULLSPHERE>", Radiation::FullSphere}};
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!ReadChoice(r, kKeyword, kChoices, r.Info().radiation)) return false;
  const int rear = r.Data().GetGrid().points - 1;
  r.State().lastPoint = r.Info().radiation == Radiation::HalfSphere ? rear / 2 : rear;
  return true;
}

bool ReadBalloon(Reader& r) {
  if (!ReadSymmetry(r) || !ReadArcOrder(r) || !ReadReference(r)) return false;
  const model::Grid& grid = r.Data().GetGrid();
  const std::vector<int> arcs = ArcsToRead(r.Info().symmetry, r.State().arcsReversed, grid);
  const int firstBand = std::max(static_cast<int>(r.Data().MinBand()), 0);
  const int lastBand = std::min(static_cast<int>(r.Data().MaxBand()), grid.bands - 1);
  for (int b = firstBand; b <= lastBand; ++b) {
    if (!ReadBand(r, b, arcs)) return false;
  }
  ApplyRotation(r, firstBand, lastBand);
  return true;
}

}  // namespace zef::textformat
