#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <ranges>
#include <span>
#include <string>
#include <string_view>

#include "model/data_set.h"
#include "model/date_text.h"
#include "model/fixed_text.h"

// Random data sets that a ZEF text file can carry exactly, from a seed: every
// value in its allowed range and rounded as files give them, texts of letters
// a reader keeps as they are. Header-only, for the readers' property tests.
namespace zef::model::testing {

// The file date the property tests read their texts with.
inline constexpr const char* kRandomSetFileDate = "2024-JAN-01";

class RandomSets {
 public:
  explicit RandomSets(unsigned seed) : random_(seed) {}

  DataSet Next() {
    const FormatKind kind = Chance(0.5) ? FormatKind::Zef1 : FormatKind::Zef2;
    DataSet set(kind);
    set.version = kind == FormatKind::Zef2 && Chance(0.5) ? 2 : 1;
    if (set.version == 2) set.phase = std::make_unique<PhaseBlock>();
    set.info->onAxisCode = kPlusX;
    set.info->upCode = kPlusZ;
    SetText(set.info->fileDate, kRandomSetFileDate);
    const int highest = set.GetGrid().bands - 1;
    const int min = Whole(kind == FormatKind::Zef1 ? 1 : 3, highest - 1);
    set.data.MinBand() = static_cast<std::uint32_t>(min);
    set.data.MaxBand() = static_cast<std::uint32_t>(Whole(min + 1, std::min(min + 2, highest)));
    Texts(set);
    Values(set);
    if (set.version == 2 && Chance(0.6)) Phase(set);
    Balloon(set);
    Cabinet(set);
    return set;
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
  int Whole(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
  // A real in [lo, hi] on a grid of 1 / steps, as measurements are written.
  float Real(double lo, double hi, double steps) {
    const double v = std::uniform_real_distribution<double>(lo, hi)(random_);
    return static_cast<float>(std::round(v * steps) / steps + 0.0);
  }
  // Words separated by single blanks; never a blank at either end.
  std::string Text(int longest) {
    static constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,-_/@()+";
    std::string text;
    for (int i = 0, n = Whole(1, longest); i < n; ++i) {
      const bool blank = i > 0 && i + 1 < n && text.back() != ' ' && Chance(0.15);
      text += blank ? ' ' : kLetters[Whole(0, static_cast<int>(kLetters.size()) - 1)];
    }
    return text;
  }
  auto Bands(const DataSet& set) {
    return std::views::iota(set.data.MinBand(), set.data.MaxBand() + 1);
  }

  // Each text given by its chance, with its presence flag.
  void Texts(DataSet& set) {
    InfoRecord& i = *set.info;
    i.type = Chance(0.5) ? SpeakerType::Passive : SpeakerType::Active;
    const double active = i.type == SpeakerType::Active, v2 = set.version == 2 ? 0.5 : 0;
    namespace p = presence;
    const struct {
      std::span<char> field;
      int longest;
      double chance;
      std::uint32_t flag;
    } texts[] = {{i.modelName, 60, 1, 0},
                 {i.manufacturer, 60, 1, 0},
                 {i.webSite, 40, 1, 0},
                 {i.description, 200, 1, 0},
                 {i.measurementContact, 40, 1, 0},
                 {i.measurementEmail, 40, 1, 0},
                 {i.colors, 40, 0.6, p::kColors},
                 {i.mounting, 40, 0.6, p::kMounting},
                 {i.measurementNote, 40, 0.6, p::kMeasurementNote},
                 {i.measurementEnvironment, 40, 0.6, p::kMeasurementEnvironment},
                 {i.typeInfo, 40, active, p::kTypeInfo},
                 {i.sensitivityInfo, 40, 0.6, p::kSensitivityInfo},
                 {i.impedanceInfo, 40, 0.6, p::kImpedanceInfo},
                 {i.methodInfo, 40, 0.6, p::kMethodInfo},
                 {i.axialSpectrumInfo, 40, 0.6, p::kAxialSpectrumInfo},
                 {set.systemPart.partText, 40, v2, 0},
                 {set.systemPart.referenceText, 40, v2, 0}};
    for (const auto& t : texts) {
      if (!Chance(t.chance)) continue;
      const std::string text = Text(t.longest);
      std::fill(t.field.begin(), t.field.end(), '\0');
      std::copy_n(text.begin(), std::min(text.size(), t.field.size() - 1), t.field.begin());
      i.presenceFlags |= t.flag;
    }
  }

  void Values(DataSet& set) {
    InfoRecord& info = *set.info;
    info.weight = Real(0.5, 150, 10);
    SetText(info.measurementDate, FormatDateText(Whole(1990, 2030), Whole(1, 12), Whole(1, 28)));
    if (Chance(0.5)) {
      info.measurementDistance = Real(0.5, 20, 100);
      info.presenceFlags |= presence::kMeasurementDistance;
    }
    const bool voltage = Chance(0.5);
    if (voltage) info.presenceFlags |= presence::kInputVoltage;
    for (const auto b : Bands(set)) {
      if (voltage) set.data.Array(PerBand::InputVoltage)[b] = Real(0.5, 100, 100);
      set.data.Array(PerBand::Sensitivity)[b] = Real(70, 130, 10);
      set.data.Array(PerBand::Impedance)[b] = Chance(0.2) ? kNoData : Real(2, 64, 10);
    }
    const std::span<float> impedance = set.data.Array(PerBand::Impedance);
    impedance[set.data.MinBand()] = 8;  // never <NODATA> throughout
    // The mean over the bands given, as a read computes it.
    double sum = 0;
    int count = 0;
    for (const float v : impedance) {
      if (v > 0) sum += v, ++count;
    }
    info.meanImpedance = static_cast<float>(sum / count);
    info.maxInputKind = Chance(0.5) ? MaxInputKind::Power : MaxInputKind::Voltage;
    info.maxInputValue = Real(1, 2000, 1);
    info.maxInputMethod = static_cast<TestMethod>(Whole(0, 2));
    if (Chance(0.5)) {
      for (float& v : info.axialSpectrum) v = Real(60, 120, 10);
      info.presenceFlags |= presence::kAxialSpectrum;
    }
    if (set.version == 2) {
      set.systemPart.parts = static_cast<std::uint32_t>(Whole(1, 4));
      set.systemPart.part =
          static_cast<std::uint32_t>(Whole(1, static_cast<int>(set.systemPart.parts)));
    }
  }

  // Phase data with no filter, a pending or a complex one.
  void Phase(DataSet& set) {
    set.info->presenceFlags |= presence::kPhaseData;
    set.filter = std::make_unique<FilterDescriptor>();
    const FilterKind kinds[] = {FilterKind::None, FilterKind::Pending,
                                FilterKind::ThirdOctaveComplex};
    FilterDescriptor& filter = *set.filter;
    filter.kind = kinds[Whole(0, 2)];
    if (filter.kind == FilterKind::ThirdOctaveComplex) {
      filter.real.assign(kMaxBands, 0.0f);
      filter.imag.assign(kMaxBands, 0.0f);
    }
    for (const auto b : Bands(set)) {
      set.phase->sensitivity[b] = Real(-3.14, 3.14, 1000);
      if (filter.real.empty()) continue;
      filter.real[b] = Real(-2, 2, 10000);
      filter.imag[b] = Real(-2, 2, 10000);
    }
  }

  // Every arc written out (no symmetry), each kept relative to its point 0.
  void Balloon(DataSet& set) {
    InfoRecord& info = *set.info;
    info.radiation = Chance(0.5) ? Radiation::HalfSphere : Radiation::FullSphere;
    info.symmetry = Symmetry::None;
    info.balloonRef = BalloonRef::Relative;
    const Grid& grid = set.GetGrid();
    const int lastPoint =
        info.radiation == Radiation::HalfSphere ? (grid.points - 1) / 2 : grid.points - 1;
    for (const auto band : Bands(set)) {
      for (int arc = 0; arc < grid.arcs; ++arc) {
        const float onAxis = Real(70, 130, 100);
        set.data.OnAxis(static_cast<int>(band), arc) = onAxis;
        const std::span<float> points = set.data.Arc(static_cast<int>(band), arc);
        for (int p = 1; p < grid.points; ++p) {
          // A level as a file gives it, kept relative to the arc's point 0 as a read does;
          // a half sphere's rear reads as -50. The phase of point 0 is 0 too.
          points[p] = p <= lastPoint ? Real(onAxis - 40.0, onAxis + 3.0, 100) - onAxis : -50.0f;
        }
        for (int p = 1; set.HasPhaseData() && p <= lastPoint; ++p)
          set.phase->balloon[band][arc][p] = Real(-3.14, 3.14, 1000);
      }
    }
  }

  Point3 Point() { return {Real(-1, 1, 1000), Real(-1, 1, 1000), Real(-1, 1, 1000)}; }
  std::uint32_t Colour() { return static_cast<std::uint32_t>(Whole(0, 0xFFFFFF)); }

  void Cabinet(DataSet& set) {
    InfoRecord& info = *set.info;
    if (Chance(0.5)) {
      info.presenceFlags |= presence::kCabinetSystem;
      info.onAxisCode = static_cast<std::uint32_t>(Whole(0, 5));
      // Up lies on one of the two other axes.
      info.upCode = (info.onAxisCode / 2 * 2 + 2 + static_cast<std::uint32_t>(Whole(0, 3))) % 6;
    }
    CabinetGeometry& c = set.cabinet;
    if (Chance(0.5)) {
      info.cabinetFlags |= cabinet_flag::kEdges;
      for (int i = Whole(1, 5); i > 0; --i) c.edges.Add({Point(), Point(), Colour()});
    }
    // A version-2 file gives its cabinet.
    if (Chance(0.5) || (set.version == 2 && info.cabinetFlags == 0)) {
      info.cabinetFlags |= cabinet_flag::kFaces;
      for (int i = Whole(1, 4); i > 0; --i) {
        Face face{{}, Colour()};
        for (int v = Whole(3, 6); v > 0; --v) face.vertices.push_back(Point());
        c.faces.Add(std::move(face));
      }
    }
    for (float& v : set.systemPart.referencePoint) v = set.version == 2 ? Real(-1, 1, 1000) : 0;
  }

  std::mt19937 random_;
};

// Names the stored parts in which two sets differ (empty when none does): what
// a text file and a distribution binary both carry. Paths, the drawing's lists
// and figures computed after a read are not compared.
inline std::string StoredDifferences(const DataSet& a, const DataSet& b) {
  std::string parts;
  const auto firstDifference = [&parts](std::string_view name, const void* x, const void* y,
                                        std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(x);
    const auto* q = static_cast<const unsigned char*>(y);
    const std::size_t at = static_cast<std::size_t>(std::mismatch(p, p + size, q).first - p);
    if (at < size) parts += " " + std::string(name) + " from byte " + std::to_string(at);
  };
  if (a.kind != b.kind || a.version != b.version) return " kind or version";
  firstDifference("info record", a.info.get(), b.info.get(), sizeof(InfoRecord));
  firstDifference("data record", a.data.Bytes().data(), b.data.Bytes().data(),
                  a.data.Bytes().size());
  if (std::memcmp(&a.systemPart, &b.systemPart, sizeof a.systemPart) != 0) parts += " system part";
  const bool phase = a.HasPhaseData() || b.HasPhaseData();
  if (phase &&
      (!a.phase || !b.phase || std::memcmp(a.phase.get(), b.phase.get(), sizeof(PhaseBlock))))
    parts += " phase block";
  if (phase && (!a.filter != !b.filter || (a.filter && !(*a.filter == *b.filter))))
    parts += " filter";
  const CabinetGeometry& c = a.cabinet;
  const CabinetGeometry& d = b.cabinet;
  if (!(c.edges == d.edges && c.faces == d.faces && c.faceEdges == d.faceEdges))
    parts += " cabinet lists";
  if (!(c.infoFile == d.infoFile && c.dxfFile == d.dxfFile)) parts += " embedded files";
  return parts;
}

// Equality of two sets that names the stored parts that differ.
inline ::testing::AssertionResult SameDataSet(const DataSet& a, const DataSet& b) {
  if (a == b) return ::testing::AssertionSuccess();
  const std::string parts = StoredDifferences(a, b);
  return ::testing::AssertionFailure()
         << "sets differ in" << (parts.empty() ? " version, figures or filter" : parts);
}

}  // namespace zef::model::testing
