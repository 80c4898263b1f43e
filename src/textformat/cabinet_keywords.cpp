#include <cstdint>
#include <string_view>

#include "textformat/cabinet_shapes.h"
#include "textformat/keyword_groups.h"

namespace zef::textformat {
namespace {

constexpr std::string_view kSystemKeyword = "<CABINET-SYSTEM>";
constexpr std::string_view kReferenceKeyword = "<CABINET-MR>";

// How the cabinet part goes on after the <CABINET-SYSTEM> line.
enum class AfterSystem {
  NextLine,     // read the next keyword line
  KeywordRead,  // another keyword line stands in its place: it is the next line
  Stop,         // no keyword could be read; the read ends with what it has
  Failed,       // fatal
};

// The axis code under the cursor, or -1.
int AxisCodeHere(const Reader& r) {
  for (int code = 0; code < 6; ++code) {
    if (r.ValueIs(model::kAxisCodeNames[code])) return code;
  }
  return -1;
}

bool ReadAxisCodes(Reader& r) {
  model::InfoRecord& info = r.Info();
  if (!r.NextValue()) {
    info.onAxisCode = model::kPlusX;
    info.upCode = model::kPlusZ;
    return true;
  }
  if (!r.ValueIs("<ON-AXIS>")) return r.Fatal(kSystemKeyword, " <ON-AXIS> expected");
  if (!r.NextValue()) return r.Fatal(kSystemKeyword, "<ON-AXIS> axiscode expected");
  const int onAxis = AxisCodeHere(r);
  if (onAxis < 0) return r.Fatal(kSystemKeyword, " <ON-AXIS> illegal axiscode");
  if (!r.NextValue() || !r.ValueIs("<UP>") || !r.NextValue()) {
    return r.Fatal(kSystemKeyword, " <UP> expected");
  }
  const int up = AxisCodeHere(r);
  if (up < 0) return r.Fatal(kSystemKeyword, " <UP> illegal axiscode");
  if (model::SameAxis(onAxis, up)) return r.Fatal(kSystemKeyword, " impossible axiscodes");
  info.onAxisCode = static_cast<std::uint32_t>(onAxis);
  info.upCode = static_cast<std::uint32_t>(up);
  info.presenceFlags |= model::presence::kCabinetSystem;
  return true;
}

// A line that cannot be read as <CABINET-SYSTEM> is reported but not fatal:
// the set keeps the axis codes it started with.
AfterSystem ReadCabinetSystem(Reader& r) {
  r.Info().cabinetFlags = 0;
  switch (r.TryKeyword(kSystemKeyword)) {
    case Reader::Probe::Match:
      break;
    case Reader::Probe::Other:
      r.NonFatal(kSystemKeyword, " expected");
      return AfterSystem::KeywordRead;
    case Reader::Probe::Ended:
    case Reader::Probe::Failed:
      r.MarkErrors();
      return AfterSystem::Stop;
  }
  // The values are read here rather than by the reader, whose failures are fatal.
  switch (r.Scanner().ReadValues()) {
    case LineScanner::Status::Ok:
      return ReadAxisCodes(r) ? AfterSystem::NextLine : AfterSystem::Failed;
    case LineScanner::Status::NoValues:
      r.NonFatal("No data found after ", kSystemKeyword);
      return AfterSystem::NextLine;
    case LineScanner::Status::EndOfFile:
    case LineScanner::Status::NotKeyword:
      break;
  }
  r.NonFatal("end of file");
  return AfterSystem::Stop;
}

// <CABINET-MR> of a version-2 ZEF2 file: the reference point and its text.
bool ReadReferencePoint(Reader& r) {
  if (r.Info().cabinetFlags == 0) return r.Fatal(kCabinetKeyword, " required for ZEF2 v2");
  if (r.Keyword() != kReferenceKeyword) return r.Fatal(kReferenceKeyword, " required for ZEF2 v2");
  if (!r.ReadValues(kReferenceKeyword)) return false;
  if (r.ValueCount() == 0) return r.Fatal(kReferenceKeyword, " expecting values");
  model::SystemPartRecord& part = r.Set().systemPart;
  for (float& v : part.referencePoint) {
    if (!r.NextValue()) return r.Fatal(kReferenceKeyword, " x y z values not found");
    if (!r.ToPerBandValue(v)) return r.Fail();
  }
  return r.ReadOptionalInfoText(part.referenceText);
}

// The keyword line after the <CABINET> lines is in Keyword().
bool FinishCabinetPart(Reader& r) {
  const std::string_view endTag = r.Kind() == model::FormatKind::Zef1 ? "<ZEF1END>" : "<ZEF2END>";
  if (r.Kind() == model::FormatKind::Zef2 && r.Set().version == 2) {
    if (!ReadReferencePoint(r)) return false;
    switch (r.TryKeyword(endTag)) {
      case Reader::Probe::Match:
        return true;
      case Reader::Probe::Other:
        return r.Fatal(endTag, " expected");
      case Reader::Probe::Ended:
        return true;
      case Reader::Probe::Failed:
        r.MarkErrors();
        return true;
    }
  }
  return r.Keyword() == endTag || r.Fatal(endTag, " expected");
}

}  // namespace

// A text that simply ends where a further cabinet line or the end tag could
// stand installs what it gave with the result reached so far: older files have
// no end tag. A line there that is no keyword line is malformed: result 1.
bool ReadCabinet(Reader& r) {
  Reader::Probe probe = Reader::Probe::Failed;
  switch (ReadCabinetSystem(r)) {
    case AfterSystem::Failed:
      return false;
    case AfterSystem::Stop:
      return true;
    case AfterSystem::KeywordRead:
      probe = r.Keyword() == kCabinetKeyword ? Reader::Probe::Match : Reader::Probe::Other;
      break;
    case AfterSystem::NextLine:
      probe = r.TryKeyword(kCabinetKeyword);
      break;
  }
  for (; probe == Reader::Probe::Match; probe = r.TryKeyword(kCabinetKeyword)) {
    if (!r.ReadValues(kCabinetKeyword) || !ReadCabinetShape(r)) return false;
  }
  if (probe == Reader::Probe::Ended) return true;
  if (probe == Reader::Probe::Failed) {
    r.MarkErrors();
    return true;
  }
  return FinishCabinetPart(r);
}

}  // namespace zef::textformat
