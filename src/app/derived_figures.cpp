#include "app/derived_figures.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace zef::app {
namespace {

constexpr char kCompleteFiguresVersion[] = "v1.0f";
constexpr std::size_t kComparedVersionChars = 7;
constexpr unsigned char kOlderWriterLead = 0xDF;

constexpr float kReducedImpedanceFactor = 1.25f;
constexpr int kReducedLastBandZef1 = 7;   // 4 kHz
constexpr int kReducedLastBandZef2 = 23;  // 5 kHz

}  // namespace

void ComputeDirectivityFigures(model::DataSet& set, analysis::DirectivityFigures& figures) {
  analysis::ComputeHalfWidths(set.data);
  analysis::ComputeWidths(set.data, figures);
  analysis::ComputeAxialQ(set.data);
}

bool WrittenByOlderWriter(const binary::BinaryHeader& header) {
  if (header.writerMark != 0) return false;
  // strncmp compares as unsigned bytes and stops at the field's end.
  return std::strncmp(header.writerVersion, kCompleteFiguresVersion, kComparedVersionChars) < 0 ||
         static_cast<unsigned char>(header.writerVersion[0]) == kOlderWriterLead;
}

model::ImpedanceFigures ImpedanceFiguresOf(const model::DataSet& set) {
  const std::span<const float> impedance = set.data.Array(model::PerBand::Impedance);
  const int reducedLast =
      set.kind == model::FormatKind::Zef1 ? kReducedLastBandZef1 : kReducedLastBandZef2;
  const int last = std::min(static_cast<int>(set.data.MaxBand()), set.GetGrid().bands - 1);
  std::optional<float> lowest;
  std::optional<float> lowestReduced;
  for (int band = static_cast<int>(set.data.MinBand()); band <= last; ++band) {
    const float z = impedance[static_cast<std::size_t>(band)];
    if (model::IsMissing(z)) continue;
    lowest = std::min(lowest.value_or(z), z);
    if (band <= reducedLast) lowestReduced = std::min(lowestReduced.value_or(z), z);
  }
  return {lowest.value_or(0.0f), kReducedImpedanceFactor * lowestReduced.value_or(0.0f)};
}

void DeriveBinaryFigures(model::DataSet& set, const binary::BinaryHeader& header,
                         analysis::DirectivityFigures& figures) {
  set.impedance = ImpedanceFiguresOf(set);
  if (WrittenByOlderWriter(header)) {
    ComputeDirectivityFigures(set, figures);
  } else {
    analysis::ComputeWidths(set.data, figures);
  }
}

}  // namespace zef::app
