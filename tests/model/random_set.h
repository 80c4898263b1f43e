#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
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
    Bands(set);
    Identification(set);
    ElectroAcoustic(set);
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
  std::string Text(int shortest, int longest) {
    static constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,-_/@()+";
    std::string text;
    const int n = Whole(shortest, longest);
    for (int i = 0; i < n; ++i) {
      // Words separated by single blanks; never a blank at either end.
      const bool blank = i > 0 && i + 1 < n && text.back() != ' ' && Chance(0.15);
      text += blank ? ' ' : kLetters[Whole(0, static_cast<int>(kLetters.size()) - 1)];
    }
    return text;
  }
  template <std::size_t N>
  void Flagged(DataSet& set, char (&field)[N], std::uint32_t flag) {
    if (!Chance(0.6)) return;
    SetText(field, Text(1, 40));
    set.info->presenceFlags |= flag;
  }
  void Bands(DataSet& set) {
    const int lowest = set.kind == FormatKind::Zef1 ? 1 : 3;
    const int highest = set.GetGrid().bands - 1;
    const int min = Whole(lowest, highest - 1);
    set.data.MinBand() = static_cast<std::uint32_t>(min);
    set.data.MaxBand() = static_cast<std::uint32_t>(Whole(min + 1, std::min(min + 2, highest)));
  }

  void Identification(DataSet& set) {
    InfoRecord& info = *set.info;
    SetText(info.modelName, Text(1, 60));
    SetText(info.manufacturer, Text(1, 60));
    SetText(info.webSite, Text(1, 40));
    SetText(info.description, Text(1, 200));
    Flagged(set, info.colors, presence::kColors);
    Flagged(set, info.mounting, presence::kMounting);
    info.weight = Real(0.5, 150, 10);
    SetText(info.measurementContact, Text(1, 40));
    SetText(info.measurementEmail, Text(1, 40));
    SetText(info.measurementDate, FormatDateText(Whole(1990, 2030), Whole(1, 12), Whole(1, 28)));
    Flagged(set, info.measurementNote, presence::kMeasurementNote);
    Flagged(set, info.measurementEnvironment, presence::kMeasurementEnvironment);
    if (Chance(0.5)) {
      info.measurementDistance = Real(0.5, 20, 100);
      info.presenceFlags |= presence::kMeasurementDistance;
    }
    if (Chance(0.5)) {
      for (auto b = set.data.MinBand(); b <= set.data.MaxBand(); ++b) {
        set.data.Array(PerBand::InputVoltage)[b] = Real(0.5, 100, 100);
      }
      info.presenceFlags |= presence::kInputVoltage;
    }
    if (set.version == 2) {
      set.systemPart.parts = static_cast<std::uint32_t>(Whole(1, 4));
      set.systemPart.part =
          static_cast<std::uint32_t>(Whole(1, static_cast<int>(set.systemPart.parts)));
      if (Chance(0.5)) SetText(set.systemPart.partText, Text(1, 40));
    }
  }

  void ElectroAcoustic(DataSet& set) {
    InfoRecord& info = *set.info;
    info.type = Chance(0.5) ? SpeakerType::Passive : SpeakerType::Active;
    if (info.type == SpeakerType::Active) {
      SetText(info.typeInfo, Text(1, 40));
      info.presenceFlags |= presence::kTypeInfo;
    }
    for (auto b = set.data.MinBand(); b <= set.data.MaxBand(); ++b) {
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
    Flagged(set, info.sensitivityInfo, presence::kSensitivityInfo);
    Flagged(set, info.impedanceInfo, presence::kImpedanceInfo);
    info.maxInputKind = Chance(0.5) ? MaxInputKind::Power : MaxInputKind::Voltage;
    info.maxInputValue = Real(1, 2000, 1);
    info.maxInputMethod = static_cast<TestMethod>(Whole(0, 2));
    Flagged(set, info.methodInfo, presence::kMethodInfo);
    if (Chance(0.5)) {
      for (float& v : info.axialSpectrum) v = Real(60, 120, 10);
      info.presenceFlags |= presence::kAxialSpectrum;
    }
    Flagged(set, info.axialSpectrumInfo, presence::kAxialSpectrumInfo);
    if (set.version == 2 && Chance(0.6)) Phase(set);
  }

  void Phase(DataSet& set) {
    set.info->presenceFlags |= presence::kPhaseData;
    for (auto b = set.data.MinBand(); b <= set.data.MaxBand(); ++b) {
      set.phase->sensitivity[b] = Real(-3.14, 3.14, 1000);
    }
    set.filter = std::make_unique<FilterDescriptor>();
    const int filter = Whole(0, 2);  // none, pending or complex
    if (filter == 1) set.filter->kind = FilterKind::Pending;
    if (filter < 2) return;
    set.filter->kind = FilterKind::ThirdOctaveComplex;
    set.filter->real.assign(kMaxBands, 0.0f);
    set.filter->imag.assign(kMaxBands, 0.0f);
    for (auto b = set.data.MinBand(); b <= set.data.MaxBand(); ++b) {
      set.filter->real[b] = Real(-2, 2, 10000);
      set.filter->imag[b] = Real(-2, 2, 10000);
    }
  }

  // Every arc written out (no symmetry), each kept relative to its point 0.
  void Balloon(DataSet& set) {
    InfoRecord& info = *set.info;
    info.radiation = Chance(0.5) ? Radiation::HalfSphere : Radiation::FullSphere;
    info.symmetry = Symmetry::None;
    info.balloonRef = BalloonRef::Relative;
    const Grid& grid = set.GetGrid();
    const bool half = info.radiation == Radiation::HalfSphere;
    const int lastPoint = half ? (grid.points - 1) / 2 : grid.points - 1;
    const bool phase = set.HasPhaseData();
    for (int band = static_cast<int>(set.data.MinBand());
         band <= static_cast<int>(set.data.MaxBand()); ++band) {
      for (int arc = 0; arc < grid.arcs; ++arc) {
        const float onAxis = Real(70, 130, 100);
        set.data.OnAxis(band, arc) = onAxis;
        const std::span<float> points = set.data.Arc(band, arc);
        for (int p = 1; p < grid.points; ++p) {
          // A level as a file gives it, kept relative to the arc's point 0 as a read does;
          // a half sphere's rear reads as -50.
          points[p] = p <= lastPoint ? Real(onAxis - 40.0, onAxis + 3.0, 100) - onAxis : -50.0f;
        }
        if (!phase) continue;
        for (int p = 0; p <= lastPoint; ++p)
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
    if (Chance(0.5)) {
      info.cabinetFlags |= cabinet_flag::kFaces;
      for (int i = Whole(1, 4); i > 0; --i) {
        Face face{{}, Colour()};
        for (int v = Whole(3, 6); v > 0; --v) face.vertices.push_back(Point());
        c.faces.Add(std::move(face));
      }
    }
    if (set.version == 2) {
      for (float& v : set.systemPart.referencePoint) v = Real(-1, 1, 1000);
      if (Chance(0.5)) SetText(set.systemPart.referenceText, Text(1, 40));
    }
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
