#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "model/bands.h"

namespace zef::model {

// Per-band arrays of the data record, by index.
enum class PerBand : int {
  InputVoltage = 0,
  Sensitivity = 1,
  Impedance = 2,
  HalfWidthH1 = 3,
  HalfWidthH2 = 4,
  HalfWidthV1 = 5,
  HalfWidthV2 = 6,
  AxialQ = 7,
  Reserved = 8,
};

// The stored layout of a data record of one kind (the binaries keep it as an image).
template <int Bands, int Arcs, int Points>
struct DataRecordLayout {
  std::uint32_t minBand;
  std::uint32_t maxBand;
  float perBand[8][Bands];
  float onAxis[Bands][Arcs];
  float balloon[Bands][Arcs][Points];
  float perBandLast[Bands];
};

using Zef1DataRecord = DataRecordLayout<10, 36, 19>;
using Zef2DataRecord = DataRecordLayout<30, 72, 37>;

static_assert(sizeof(Zef1DataRecord) == 29168);
static_assert(offsetof(Zef1DataRecord, maxBand) == 4);
static_assert(offsetof(Zef1DataRecord, perBand) == 8);
static_assert(offsetof(Zef1DataRecord, onAxis) == 328);
static_assert(offsetof(Zef1DataRecord, balloon) == 1768);
static_assert(offsetof(Zef1DataRecord, perBandLast) == 29168 - 40);
static_assert(sizeof(Zef2DataRecord) == 329408);
static_assert(offsetof(Zef2DataRecord, perBand) == 8);
static_assert(offsetof(Zef2DataRecord, onAxis) == 968);
static_assert(offsetof(Zef2DataRecord, balloon) == 9608);
static_assert(offsetof(Zef2DataRecord, perBandLast) == 329408 - 120);

// Owns the data record of either kind and gives kind-independent access to it.
class DataRecord {
 public:
  explicit DataRecord(FormatKind kind);  // zero-filled
  DataRecord(const DataRecord& other);
  DataRecord& operator=(const DataRecord& other);
  // Moves hand the record over without copying it; the views move with it.
  DataRecord(DataRecord&& other) noexcept = default;
  DataRecord& operator=(DataRecord&& other) noexcept = default;
  ~DataRecord();

  FormatKind Kind() const { return kind_; }
  const Grid& GetGrid() const { return *grid_; }

  std::uint32_t& MinBand() { return *minBand_; }
  std::uint32_t MinBand() const { return *minBand_; }
  std::uint32_t& MaxBand() { return *maxBand_; }
  std::uint32_t MaxBand() const { return *maxBand_; }

  // One per-band array (grid.bands entries).
  std::span<float> Array(PerBand which);
  std::span<const float> Array(PerBand which) const;

  float& OnAxis(int band, int arc) { return onAxis_[band * grid_->arcs + arc]; }
  float OnAxis(int band, int arc) const { return onAxis_[band * grid_->arcs + arc]; }

  // The points of one arc of one band.
  std::span<float> Arc(int band, int arc);
  std::span<const float> Arc(int band, int arc) const;
  // All arcs of one band, arc after arc.
  std::span<float> BandBalloon(int band);

  // The stored image.
  std::span<std::byte> Bytes();
  std::span<const std::byte> Bytes() const;

  bool operator==(const DataRecord& other) const;

 private:
  void Bind();

  FormatKind kind_;
  const Grid* grid_;
  std::unique_ptr<Zef1DataRecord> zef1_;
  std::unique_ptr<Zef2DataRecord> zef2_;
  std::uint32_t* minBand_ = nullptr;
  std::uint32_t* maxBand_ = nullptr;
  float* perBand_[9] = {};
  float* onAxis_ = nullptr;
  float* balloon_ = nullptr;
};

}  // namespace zef::model
