#include "model/data_record.h"

#include <cstring>

namespace zef::model {

DataRecord::DataRecord(FormatKind kind) : kind_(kind), grid_(&GridOf(kind)) {
  if (kind == FormatKind::Zef1) {
    zef1_ = std::make_unique<Zef1DataRecord>();
  } else {
    zef2_ = std::make_unique<Zef2DataRecord>();
  }
  Bind();
}

DataRecord::DataRecord(const DataRecord& other) : DataRecord(other.kind_) {
  std::memcpy(Bytes().data(), other.Bytes().data(), Bytes().size());
}

DataRecord& DataRecord::operator=(const DataRecord& other) {
  if (this != &other) {
    DataRecord copy(other);
    kind_ = copy.kind_;
    grid_ = copy.grid_;
    zef1_ = std::move(copy.zef1_);
    zef2_ = std::move(copy.zef2_);
    Bind();
  }
  return *this;
}

DataRecord::~DataRecord() = default;

void DataRecord::Bind() {
  auto bind = [this](auto& r) {
    minBand_ = &r.minBand;
    maxBand_ = &r.maxBand;
    for (int k = 0; k < 8; ++k) perBand_[k] = r.perBand[k];
    perBand_[8] = r.perBandLast;
    onAxis_ = &r.onAxis[0][0];
    balloon_ = &r.balloon[0][0][0];
  };
  if (zef1_) {
    bind(*zef1_);
  } else {
    bind(*zef2_);
  }
}

std::span<float> DataRecord::Array(PerBand which) {
  return {perBand_[static_cast<int>(which)], static_cast<std::size_t>(grid_->bands)};
}
std::span<const float> DataRecord::Array(PerBand which) const {
  return {perBand_[static_cast<int>(which)], static_cast<std::size_t>(grid_->bands)};
}

std::span<float> DataRecord::Arc(int band, int arc) {
  return {balloon_ + (band * grid_->arcs + arc) * grid_->points,
          static_cast<std::size_t>(grid_->points)};
}
std::span<const float> DataRecord::Arc(int band, int arc) const {
  return {balloon_ + (band * grid_->arcs + arc) * grid_->points,
          static_cast<std::size_t>(grid_->points)};
}
std::span<float> DataRecord::BandBalloon(int band) {
  const std::size_t n = static_cast<std::size_t>(grid_->arcs * grid_->points);
  return {balloon_ + band * n, n};
}

std::span<std::byte> DataRecord::Bytes() {
  return zef1_ ? std::as_writable_bytes(std::span(zef1_.get(), 1))
               : std::as_writable_bytes(std::span(zef2_.get(), 1));
}
std::span<const std::byte> DataRecord::Bytes() const {
  return zef1_ ? std::as_bytes(std::span(zef1_.get(), 1)) : std::as_bytes(std::span(zef2_.get(), 1));
}

bool DataRecord::operator==(const DataRecord& other) const {
  return kind_ == other.kind_ &&
         std::memcmp(Bytes().data(), other.Bytes().data(), Bytes().size()) == 0;
}

}  // namespace zef::model
