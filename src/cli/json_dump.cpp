#include "cli/json_dump.h"

#include "model/fixed_text.h"

namespace zef::cli {
namespace {

using model::PerBand;

template <std::size_t N>
void TextMember(JsonWriter& json, std::string_view key, const char (&field)[N]) {
  json.Key(key);
  json.Text(model::TextOf(field));
}

template <typename T>
void NumberMember(JsonWriter& json, std::string_view key, T value) {
  json.Key(key);
  json.Unsigned(static_cast<std::uint64_t>(value));
}

void RealMember(JsonWriter& json, std::string_view key, float value) {
  json.Key(key);
  json.Real(value);
}

void RealsMember(JsonWriter& json, std::string_view key, std::span<const float> values) {
  json.Key(key);
  json.Reals(values);
}

void WriteInfo(JsonWriter& json, const model::InfoRecord& info) {
  json.Key("info");
  json.BeginObject();
  TextMember(json, "modelName", info.modelName);
  TextMember(json, "manufacturer", info.manufacturer);
  TextMember(json, "description", info.description);
  TextMember(json, "webSite", info.webSite);
  TextMember(json, "colors", info.colors);
  TextMember(json, "mounting", info.mounting);
  RealMember(json, "weight", info.weight);
  TextMember(json, "measurementContact", info.measurementContact);
  TextMember(json, "measurementEmail", info.measurementEmail);
  TextMember(json, "measurementDate", info.measurementDate);
  TextMember(json, "fileDate", info.fileDate);
  TextMember(json, "measurementNote", info.measurementNote);
  TextMember(json, "measurementEnvironment", info.measurementEnvironment);
  RealMember(json, "measurementDistance", info.measurementDistance);
  NumberMember(json, "type", info.type);
  TextMember(json, "typeInfo", info.typeInfo);
  NumberMember(json, "presenceFlags", info.presenceFlags);
  TextMember(json, "sensitivityInfo", info.sensitivityInfo);
  TextMember(json, "impedanceInfo", info.impedanceInfo);
  NumberMember(json, "maxInputKind", info.maxInputKind);
  RealMember(json, "maxInputValue", info.maxInputValue);
  NumberMember(json, "maxInputMethod", info.maxInputMethod);
  TextMember(json, "methodInfo", info.methodInfo);
  RealsMember(json, "customSpectrum", info.customSpectrum);
  RealMember(json, "meanImpedance", info.meanImpedance);
  RealsMember(json, "axialSpectrum", info.axialSpectrum);
  TextMember(json, "axialSpectrumInfo", info.axialSpectrumInfo);
  NumberMember(json, "radiation", info.radiation);
  NumberMember(json, "symmetry", info.symmetry);
  NumberMember(json, "balloonRef", info.balloonRef);
  NumberMember(json, "cabinetFlags", info.cabinetFlags);
  RealsMember(json, "rectangular", info.rectangular);
  RealsMember(json, "trapezoidal", info.trapezoidal);
  NumberMember(json, "dxfUnit", info.dxfUnit);
  RealsMember(json, "dxfOrigin", info.dxfOrigin);
  NumberMember(json, "onAxisCode", info.onAxisCode);
  NumberMember(json, "upCode", info.upCode);
  TextMember(json, "author", info.author);
  NumberMember(json, "creatorCategory", info.creatorCategory);
  json.EndObject();
}

void WritePerBand(JsonWriter& json, const model::DataRecord& data) {
  struct Array {
    std::string_view key;
    PerBand which;
  };
  constexpr Array kArrays[] = {
      {"inputVoltage", PerBand::InputVoltage}, {"sensitivity", PerBand::Sensitivity},
      {"impedance", PerBand::Impedance},       {"halfWidthH1", PerBand::HalfWidthH1},
      {"halfWidthH2", PerBand::HalfWidthH2},   {"halfWidthV1", PerBand::HalfWidthV1},
      {"halfWidthV2", PerBand::HalfWidthV2},   {"axialQ", PerBand::AxialQ}};
  json.Key("perBand");
  json.BeginObject();
  for (const Array& a : kArrays) RealsMember(json, a.key, data.Array(a.which));
  json.EndObject();
}

void WriteLevels(JsonWriter& json, const model::DataRecord& data) {
  const model::Grid& grid = data.GetGrid();
  json.Key("onAxisLevels");
  json.BeginArray();
  for (int b = 0; b < grid.bands; ++b) {
    json.BeginArray();
    for (int a = 0; a < grid.arcs; ++a) json.Real(data.OnAxis(b, a));
    json.EndArray();
  }
  json.EndArray();
  json.Key("balloon");
  json.BeginArray();
  for (int b = 0; b < grid.bands; ++b) {
    json.BeginArray();
    for (int a = 0; a < grid.arcs; ++a) json.Reals(data.Arc(b, a));
    json.EndArray();
  }
  json.EndArray();
}

void WritePhase(JsonWriter& json, const model::PhaseBlock* phase) {
  json.Key("phase");
  if (!phase) return json.Null();
  json.BeginObject();
  json.Key("balloon");
  json.BeginArray();
  for (const auto& band : phase->balloon) {
    json.BeginArray();
    for (const auto& arc : band) json.Reals(arc);
    json.EndArray();
  }
  json.EndArray();
  RealsMember(json, "sensitivity", phase->sensitivity);
  json.EndObject();
}

void WriteFilter(JsonWriter& json, const model::FilterDescriptor* filter) {
  json.Key("filter");
  if (!filter) return json.Null();
  json.BeginObject();
  NumberMember(json, "kind", filter->kind);
  RealsMember(json, "real", filter->real);
  RealsMember(json, "imag", filter->imag);
  RealsMember(json, "taps", filter->taps);
  NumberMember(json, "rate", filter->sampleRate);
  json.EndObject();
}

// Only a ZEF2 set of format version 2 has a system part.
void WriteSystem(JsonWriter& json, const model::DataSet& set) {
  json.Key("system");
  if (set.kind != model::FormatKind::Zef2 || set.version != 2) return json.Null();
  const model::SystemPartRecord& s = set.systemPart;
  json.BeginObject();
  RealsMember(json, "mr", s.referencePoint);
  TextMember(json, "mrText", s.referenceText);
  NumberMember(json, "part", s.part);
  NumberMember(json, "parts", s.parts);
  TextMember(json, "partText", s.partText);
  json.EndObject();
}

void WritePoint(JsonWriter& json, const model::Point3& p) {
  json.Real(p.x);
  json.Real(p.y);
  json.Real(p.z);
}

void WriteEdges(JsonWriter& json, std::string_view key, const model::NodeList<model::Edge>& list) {
  json.Key(key);
  json.BeginArray();
  for (const model::Edge& e : list) {
    json.BeginArray();
    WritePoint(json, e.first);
    WritePoint(json, e.second);
    json.Unsigned(e.colour);
    json.EndArray();
  }
  json.EndArray();
}

void WriteFaces(JsonWriter& json, std::string_view key, const model::NodeList<model::Face>& list) {
  json.Key(key);
  json.BeginArray();
  for (const model::Face& f : list) {
    json.BeginObject();
    NumberMember(json, "colour", f.colour);
    json.Key("vertices");
    json.BeginArray();
    for (const model::Point3& p : f.vertices) {
      json.BeginArray();
      WritePoint(json, p);
      json.EndArray();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
}

void WriteEmbedded(JsonWriter& json, std::string_view key, const model::EmbeddedFile& file) {
  json.Key(key);
  json.BeginObject();
  NumberMember(json, "kind", file.kind);
  NumberMember(json, "size", file.Size());
  json.EndObject();
}

void WriteCabinet(JsonWriter& json, const model::CabinetGeometry& cabinet) {
  json.Key("cabinet");
  json.BeginObject();
  WriteEdges(json, "edges", cabinet.edges);
  WriteFaces(json, "faces", cabinet.faces);
  WriteEdges(json, "faceEdges", cabinet.faceEdges);
  WriteEdges(json, "dxfEdges", cabinet.dxfEdges);
  WriteFaces(json, "dxfFaces", cabinet.dxfFaces);
  WriteEmbedded(json, "infoFile", cabinet.infoFile);
  WriteEmbedded(json, "dxf", cabinet.dxfFile);
  json.EndObject();
}

}  // namespace

void WriteDataSetMembers(JsonWriter& json, const model::DataSet& set, const DumpStatus& status) {
  json.Key("format");
  json.Text(set.kind == model::FormatKind::Zef1 ? "ZEF1" : "ZEF2");
  NumberMember(json, "version", set.version);
  NumberMember(json, "draft", set.draft);
  NumberMember(json, "result", status.result);
  json.Key("dataValid");
  json.Bool(status.dataValid);
  WriteInfo(json, *set.info);
  json.Key("bands");
  json.BeginObject();
  NumberMember(json, "min", set.data.MinBand());
  NumberMember(json, "max", set.data.MaxBand());
  json.EndObject();
  WritePerBand(json, set.data);
  WriteLevels(json, set.data);
  // A text reader makes the blocks for every version-2 ZEF2 file; without
  // phase data they hold nothing, and a binary of the same set has none.
  const bool phaseData = set.HasPhaseData();
  WritePhase(json, phaseData ? set.phase.get() : nullptr);
  WriteFilter(json, phaseData ? set.filter.get() : nullptr);
  WriteSystem(json, set);
  WriteCabinet(json, set.cabinet);
}

std::string DataSetJson(const model::DataSet& set, const DumpStatus& status, bool pretty) {
  JsonWriter json(pretty);
  json.BeginObject();
  WriteDataSetMembers(json, set, status);
  json.EndObject();
  return json.Document() + '\n';
}

}  // namespace zef::cli
