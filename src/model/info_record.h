#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace zef::model {

// The stored records are read and written as byte images.
static_assert(std::endian::native == std::endian::little);

// Bits of InfoRecord::presenceFlags: which optional items the file gave.
namespace presence {
inline constexpr std::uint32_t kColors = 0x01;
inline constexpr std::uint32_t kMounting = 0x02;
inline constexpr std::uint32_t kMeasurementNote = 0x04;
inline constexpr std::uint32_t kMeasurementEnvironment = 0x08;
inline constexpr std::uint32_t kMeasurementDistance = 0x10;
inline constexpr std::uint32_t kInputVoltage = 0x20;
inline constexpr std::uint32_t kTypeInfo = 0x40;
inline constexpr std::uint32_t kSensitivityInfo = 0x80;
inline constexpr std::uint32_t kImpedanceInfo = 0x100;
inline constexpr std::uint32_t kMethodInfo = 0x200;
inline constexpr std::uint32_t kAxialSpectrum = 0x400;
inline constexpr std::uint32_t kAxialSpectrumInfo = 0x800;
inline constexpr std::uint32_t kCabinetSystem = 0x1000;
inline constexpr std::uint32_t kPhaseData = 0x2000;
}  // namespace presence

// Bits of InfoRecord::cabinetFlags: the cabinet representations a set holds.
namespace cabinet_flag {
inline constexpr std::uint32_t kRectangular = 1;
inline constexpr std::uint32_t kTrapezoidal = 2;
inline constexpr std::uint32_t kEdges = 4;
inline constexpr std::uint32_t kFaces = 8;
inline constexpr std::uint32_t kDxf = 16;
}  // namespace cabinet_flag

enum class SpeakerType : std::uint32_t { Passive = 0, Active = 1, Powered = 2 };
enum class MaxInputKind : std::uint32_t { Power = 0, Voltage = 1 };
enum class TestMethod : std::uint32_t { Aes2_1984 = 0, Iec268_1 = 1, Eia426B = 2, Custom = 3 };
enum class Radiation : std::uint32_t { HalfSphere = 0, FullSphere = 1 };
enum class Symmetry : std::uint32_t {
  Full = 0, Vertical = 1, Horizontal = 2, None = 3, Rotational = 4, Polar = 5
};
enum class BalloonRef : std::uint32_t { Absolute = 0, Relative = 1, Arbitrary = 2 };

// Value of a missing per-band real; anything at or below kMissingLimit counts as missing.
inline constexpr float kNoData = -12000.0f;
inline constexpr float kMissingLimit = -10000.0f;
inline bool IsMissing(float v) { return v <= kMissingLimit; }

// The identification, description and summary record, stored byte for byte in
// the distribution binaries.
struct InfoRecord {
  char author[256];              // set by the binary writer
  std::uint32_t creatorCategory;
  char modelName[256];
  char manufacturer[256];
  char description[256];
  std::uint32_t presenceFlags;
  char colors[256];
  char mounting[256];
  float weight;                  // kg, -1 when missing
  char webSite[256];
  char measurementContact[256];
  char measurementEmail[256];
  char measurementDate[16];      // YYYY-MMM-DD
  char fileDate[16];             // date of the source file, or "Unknown"
  char writerText[16];           // set by the binary writer
  char measurementNote[256];
  char measurementEnvironment[256];
  float measurementDistance;     // m
  SpeakerType type;
  char typeInfo[256];
  char sensitivityInfo[256];
  char impedanceInfo[256];
  MaxInputKind maxInputKind;
  float maxInputValue;           // W or V rms
  TestMethod maxInputMethod;
  char methodInfo[256];
  float customSpectrum[30];
  float meanImpedance;
  float axialSpectrum[30];
  char axialSpectrumInfo[256];
  Radiation radiation;
  Symmetry symmetry;
  BalloonRef balloonRef;
  std::uint32_t cabinetFlags;
  float rectangular[6];          // x1 y1 z1 x2 y2 z2
  float trapezoidal[10];
  std::uint32_t dxfUnit;
  float dxfOrigin[3];
  std::uint32_t onAxisCode;
  std::uint32_t upCode;
  std::uint8_t reserved[48];
};

static_assert(sizeof(InfoRecord) == 4572);
static_assert(offsetof(InfoRecord, creatorCategory) == 256);
static_assert(offsetof(InfoRecord, modelName) == 260);
static_assert(offsetof(InfoRecord, manufacturer) == 516);
static_assert(offsetof(InfoRecord, description) == 772);
static_assert(offsetof(InfoRecord, presenceFlags) == 1028);
static_assert(offsetof(InfoRecord, colors) == 1032);
static_assert(offsetof(InfoRecord, mounting) == 1288);
static_assert(offsetof(InfoRecord, weight) == 1544);
static_assert(offsetof(InfoRecord, webSite) == 1548);
static_assert(offsetof(InfoRecord, measurementContact) == 1804);
static_assert(offsetof(InfoRecord, measurementEmail) == 2060);
static_assert(offsetof(InfoRecord, measurementDate) == 2316);
static_assert(offsetof(InfoRecord, fileDate) == 2332);
static_assert(offsetof(InfoRecord, writerText) == 2348);
static_assert(offsetof(InfoRecord, measurementNote) == 2364);
static_assert(offsetof(InfoRecord, measurementEnvironment) == 2620);
static_assert(offsetof(InfoRecord, measurementDistance) == 2876);
static_assert(offsetof(InfoRecord, type) == 2880);
static_assert(offsetof(InfoRecord, typeInfo) == 2884);
static_assert(offsetof(InfoRecord, sensitivityInfo) == 3140);
static_assert(offsetof(InfoRecord, impedanceInfo) == 3396);
static_assert(offsetof(InfoRecord, maxInputKind) == 3652);
static_assert(offsetof(InfoRecord, maxInputValue) == 3656);
static_assert(offsetof(InfoRecord, maxInputMethod) == 3660);
static_assert(offsetof(InfoRecord, methodInfo) == 3664);
static_assert(offsetof(InfoRecord, customSpectrum) == 3920);
static_assert(offsetof(InfoRecord, meanImpedance) == 4040);
static_assert(offsetof(InfoRecord, axialSpectrum) == 4044);
static_assert(offsetof(InfoRecord, axialSpectrumInfo) == 4164);
static_assert(offsetof(InfoRecord, radiation) == 4420);
static_assert(offsetof(InfoRecord, symmetry) == 4424);
static_assert(offsetof(InfoRecord, balloonRef) == 4428);
static_assert(offsetof(InfoRecord, cabinetFlags) == 4432);
static_assert(offsetof(InfoRecord, rectangular) == 4436);
static_assert(offsetof(InfoRecord, trapezoidal) == 4460);
static_assert(offsetof(InfoRecord, dxfUnit) == 4500);
static_assert(offsetof(InfoRecord, dxfOrigin) == 4504);
static_assert(offsetof(InfoRecord, onAxisCode) == 4516);
static_assert(offsetof(InfoRecord, upCode) == 4520);

}  // namespace zef::model
