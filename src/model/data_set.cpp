#include "model/data_set.h"

#include <cstring>

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

}  // namespace

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
