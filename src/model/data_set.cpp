#include "model/data_set.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace zef::model {
namespace {

template <typename T>
std::unique_ptr<T> CloneRecord(const std::unique_ptr<T>& p) {
  if (!p) return nullptr;
  auto copy = std::make_unique<T>();
  std::memcpy(copy.get(), p.get(), sizeof(T));
  return copy;
}

template <typename T>
bool SameRecord(const std::unique_ptr<T>& a, const std::unique_ptr<T>& b) {
  if (!a || !b) return !a && !b;
  return std::memcmp(a.get(), b.get(), sizeof(T)) == 0;
}

constexpr float kReducedImpedanceFactor = 1.25f;
constexpr int kReducedLastBandZef1 = 7;   // 4 kHz
constexpr int kReducedLastBandZef2 = 23;  // 5 kHz

}  // namespace

ImpedanceFigures ImpedanceFiguresOf(const DataSet& set) {
  const std::span<const float> impedance = set.data.Array(PerBand::Impedance);
  const int reducedLast =
      set.kind == FormatKind::Zef1 ? kReducedLastBandZef1 : kReducedLastBandZef2;
  const int last = std::min(static_cast<int>(set.data.MaxBand()), set.GetGrid().bands - 1);
  std::optional<float> lowest;
  std::optional<float> lowestReduced;
  for (int band = static_cast<int>(set.data.MinBand()); band <= last; ++band) {
    const float z = impedance[static_cast<std::size_t>(band)];
    if (IsMissing(z)) continue;
    lowest = std::min(lowest.value_or(z), z);
    if (band <= reducedLast) lowestReduced = std::min(lowestReduced.value_or(z), z);
  }
  return {lowest.value_or(0.0f), kReducedImpedanceFactor * lowestReduced.value_or(0.0f)};
}

DataSet::DataSet(FormatKind k) : kind(k), info(std::make_unique<InfoRecord>()), data(k) {}

DataSet::DataSet(const DataSet& o)
    : kind(o.kind),
      version(o.version),
      draft(o.draft),
      info(CloneRecord(o.info)),
      data(o.data),
      phase(CloneRecord(o.phase)),
      filter(o.filter ? std::make_unique<FilterDescriptor>(*o.filter) : nullptr),
      systemPart(o.systemPart),
      impedance(o.impedance),
      cabinet(o.cabinet),
      sourcePath(o.sourcePath) {}

DataSet& DataSet::operator=(const DataSet& o) {
  if (this != &o) *this = DataSet(o);
  return *this;
}

DataSet::~DataSet() = default;

bool DataSet::operator==(const DataSet& o) const {
  const bool sameFilter = (!filter && !o.filter) || (filter && o.filter && *filter == *o.filter);
  return kind == o.kind && version == o.version && draft == o.draft && SameRecord(info, o.info) &&
         data == o.data && SameRecord(phase, o.phase) && sameFilter &&
         std::memcmp(&systemPart, &o.systemPart, sizeof systemPart) == 0 &&
         impedance == o.impedance && cabinet == o.cabinet;
}

}  // namespace zef::model
