#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/regular_file.h"
#include "textformat/companion_file.h"
#include "textformat/keyword_groups.h"
#include "textformat/measurement_date.h"

namespace zef::textformat {
namespace {

using model::presence::kColors;
using model::presence::kInputVoltage;
using model::presence::kMeasurementDistance;
using model::presence::kMeasurementEnvironment;
using model::presence::kMeasurementNote;
using model::presence::kMounting;
using model::presence::kTypeInfo;

constexpr std::uint32_t kMaxDraft = 2;
constexpr std::uintmax_t kMaxInfoFileSize = 204800;
constexpr float kMaxInputVoltage = 1000.0f;

// A text every data set must carry; "dummy" stands in when the line has none.
template <std::size_t N>
bool ReadRequiredText(Reader& r, std::string_view keyword, std::string_view missing,
                      char (&field)[N]) {
  if (!r.ExpectKeywordWithValues(keyword)) return false;
  if (r.NextValue()) {
    r.ToText(field);
  } else {
    r.NonFatal(keyword, missing);
    model::SetText(field, "dummy");
  }
  return true;
}

// Marks a text as given unless it holds nothing a reader could see.
template <std::size_t N>
void MarkIfVisible(Reader& r, std::uint32_t flag, const char (&field)[N]) {
  if (HasVisibleText(model::TextOf(field))) {
    r.Info().presenceFlags |= flag;
  } else {
    r.Info().presenceFlags &= ~flag;
  }
}

template <std::size_t N>
bool ReadOptionalText(Reader& r, std::string_view keyword, std::uint32_t flag, char (&field)[N]) {
  if (!r.ExpectKeywordWithValues(keyword)) return false;
  if (r.NextValue()) {
    r.ToText(field);
    MarkIfVisible(r, flag, field);
  }
  return true;
}

// ---- <VERSION> [<DRAFT> n]

bool ReadDraft(Reader& r) {
  if (!r.NextValue()) return true;
  if (!r.ValueIs("<DRAFT>")) return r.Fatal("<DRAFT>", " expected");
  if (!r.NextValue()) return r.Fatal("<DRAFT>", " value expected");
  std::uint32_t draft = 0;
  if (!r.ToUnsigned(draft)) return r.Fail();
  if (draft > kMaxDraft) return r.Fatal("<DRAFT>", " version not known.");
  r.Set().draft = draft;
  return true;
}

bool ReadVersion(Reader& r) {
  constexpr std::string_view kKeyword = "<VERSION>";
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!r.NextValue()) return r.Fatal(kKeyword, " value expected");
  std::uint32_t version = 0;
  if (!r.ToUnsigned(version)) return r.Fatal(kKeyword, " illegal");
  if (version != 1 && version != 2) return r.Fatal(kKeyword, " not known.");
  if (version == 2 && r.Kind() == model::FormatKind::Zef1) {
    return r.Fatal(kKeyword, " version 2 not defined for ZEF1");
  }
  if (!ReadDraft(r)) return false;
  r.Set().version = version;
  if (version == 2) r.Set().phase = std::make_unique<model::PhaseBlock>();
  return true;
}

// ---- <PART> n <OF> m [<INFO> text]

bool ReadPart(Reader& r) {
  constexpr std::string_view kKeyword = "<PART>";
  model::SystemPartRecord& part = r.Set().systemPart;
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!r.NextValue()) return r.Fatal(kKeyword, " part number expected");
  if (!r.ToUnsigned(part.part)) return r.Fatal(kKeyword, " illegal part number");
  if (!r.NextValue() || !r.ValueIs("<OF>")) return r.Fatal("<OF>", " expected");
  if (!r.NextValue()) return r.Fatal(kKeyword, " max part number expected");
  if (!r.ToUnsigned(part.parts)) return r.Fatal(kKeyword, " illegal part max number");
  return r.ReadOptionalInfoText(part.partText);
}

// ---- <INFOFILE> [name.TXT | name.PDF]

bool ReadInfoFile(Reader& r) {
  constexpr std::string_view kKeyword = "<INFOFILE>";
  model::EmbeddedFile& slot = r.Set().cabinet.infoFile;
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!r.NextValue()) {
    slot = model::EmbeddedFile{};
    return true;
  }
  char name[260];
  r.ToText(name);
  const std::string_view nameText = model::TextOf(name);
  model::EmbeddedKind kind = model::EmbeddedKind::None;
  if (model::EndsWithIgnoringCase(nameText, ".TXT")) {
    kind = model::EmbeddedKind::Text;
  } else if (model::EndsWithIgnoringCase(nameText, ".PDF")) {
    kind = model::EmbeddedKind::Pdf;
  } else {
    return r.Fatal(kKeyword, " file type not supported.");
  }
  std::vector<std::uint8_t> bytes;
  switch (
      model::ReadRegularFile(ResolveCompanion(r.SourcePath(), nameText), kMaxInfoFileSize, bytes)) {
    case model::OpenStatus::Ok:
      break;
    case model::OpenStatus::OpenFailed:
      return r.Fatal(kKeyword, " failed to read file.");
    case model::OpenStatus::NotRegular:
      return r.Fatal(kKeyword, " is not a regular file");
    case model::OpenStatus::TooLarge:
      return r.Fatal(kKeyword, " size is > 200kB");
    case model::OpenStatus::ShortRead:
      return r.Fatal(kKeyword, " read size error");
  }
  slot.kind = kind;
  slot.bytes = std::move(bytes);
  return true;
}

// ---- <WEIGHT> kg

bool ReadWeight(Reader& r) {
  constexpr std::string_view kKeyword = "<WEIGHT>";
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!r.NextValue()) {
    r.NonFatal(kKeyword, " value expected");
    r.Info().weight = -1.0f;
    return true;
  }
  float weight = 0;
  if (!r.ToReal(weight)) return r.Fail();
  if (weight < 0) return r.Fatal(kKeyword, " value must be >= 0 kg");
  r.Info().weight = weight;
  return true;
}

// ---- <MEASUREMENT-DATE> YYYY-MMM-DD

bool ReadMeasurementDate(Reader& r) {
  constexpr std::string_view kKeyword = "<MEASUREMENT-DATE>";
  char(&field)[16] = r.Info().measurementDate;
  if (!ReadRequiredText(r, kKeyword, " value expected", field)) return false;
  if (r.ValueCount() == 0) return true;  // "dummy" stands in; nothing to check
  const DateCheck check = CheckMeasurementDate(model::TextOf(field));
  if (!check.valid) {
    r.Report(kKeyword, " " + check.text + ".");
    r.WriteLine("Format must be YYYY-MMM-DD (e.g. 2005-APR-12)");
    r.WriteLine("to avoid regional date format differences. MMM");
    r.WriteLine("uses English spelling.");
    return r.Fail();
  }
  model::SetText(field, check.text);
  return true;
}

// ---- <MEASUREMENT-DISTANCE> [m]

bool ReadMeasurementDistance(Reader& r) {
  constexpr std::string_view kKeyword = "<MEASUREMENT-DISTANCE>";
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!r.NextValue()) return true;
  float distance = 0;
  if (!r.ToReal(distance)) return r.Fail();
  if (distance <= 0) return r.Fatal(kKeyword, " value must be > 0 m");
  r.Info().measurementDistance = distance;
  r.Info().presenceFlags |= kMeasurementDistance;
  return true;
}

// ---- <MEASUREMENT-INPUTVOLTAGE> [one value per band]

bool ReadInputVoltage(Reader& r) {
  constexpr std::string_view kKeyword = "<MEASUREMENT-INPUTVOLTAGE>";
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (r.ValueCount() == 0) return true;
  if (r.RemainingAllNoData()) return r.Fatal("<nodata> can't be used for all values in ", kKeyword);
  const std::span<float> voltages = r.Data().Array(model::PerBand::InputVoltage);
  if (!r.ReadPerBand(kKeyword, voltages) ||
      !r.CheckAllowedRange(kKeyword, voltages, 0.0f, kMaxInputVoltage)) {
    return false;
  }
  r.Info().presenceFlags |= kInputVoltage;
  return true;
}

// ---- <TYPE> <PASSIVE> | <ACTIVE> <INFO> text | <POWERED> <INFO> text

bool ReadType(Reader& r) {
  constexpr std::string_view kKeyword = "<TYPE>";
  model::InfoRecord& info = r.Info();
  if (!r.ExpectKeywordWithValues(kKeyword)) return false;
  if (!r.NextValue()) return r.Fatal(kKeyword, " value expected");
  if (r.ValueIs("<PASSIVE>")) {
    info.type = model::SpeakerType::Passive;
    return true;
  }
  if (r.ValueIs("<ACTIVE>")) {
    info.type = model::SpeakerType::Active;
  } else if (r.ValueIs("<POWERED>")) {
    info.type = model::SpeakerType::Powered;
  } else {
    return r.Fatal(kKeyword, " illegal value");
  }
  const std::string typeToken = model::ToUpperAscii(r.Value());
  if (!r.NextValue() || !r.ValueIs("<INFO>")) {
    r.NonFatal(typeToken, " <INFO> expected");
    model::SetText(info.typeInfo, "dummy");
    return true;
  }
  if (r.NextValue()) {
    r.ToText(info.typeInfo, true);
    MarkIfVisible(r, kTypeInfo, info.typeInfo);
  }
  return true;
}

}  // namespace

bool ReadIdentification(Reader& r) {
  model::InfoRecord& info = r.Info();
  return ReadVersion(r) && ReadRequiredText(r, "<MODELNAME>", " value expected", info.modelName) &&
         (r.Set().version != 2 || ReadPart(r)) && ReadInfoFile(r) &&
         ReadRequiredText(r, "<MANUFACTURER>", " value expected", info.manufacturer) &&
         ReadRequiredText(r, "<WEB-SITE>", " name expected", info.webSite) &&
         ReadRequiredText(r, "<DESCRIPTION>", " value expected", info.description) &&
         ReadOptionalText(r, "<COLORS>", kColors, info.colors) &&
         ReadOptionalText(r, "<MOUNTING>", kMounting, info.mounting) && ReadWeight(r);
}

bool ReadMeasurement(Reader& r) {
  model::InfoRecord& info = r.Info();
  return ReadRequiredText(r, "<MEASUREMENT-CONTACT>", " name expected", info.measurementContact) &&
         ReadRequiredText(r, "<MEASUREMENT-EMAIL>", " address expected", info.measurementEmail) &&
         ReadMeasurementDate(r) &&
         ReadOptionalText(r, "<MEASUREMENT-NOTE>", kMeasurementNote, info.measurementNote) &&
         ReadOptionalText(r, "<MEASUREMENT-ENVIRONMENT>", kMeasurementEnvironment,
                          info.measurementEnvironment) &&
         ReadMeasurementDistance(r) && ReadInputVoltage(r) && ReadType(r);
}

}  // namespace zef::textformat
