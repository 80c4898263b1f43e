#include "cli/figures_json.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "analysis/band_curves.h"
#include "analysis/directivity.h"

namespace zef::cli {
namespace {

using Reals = std::array<float, model::kMaxBands>;
using Classes = std::array<std::uint8_t, model::kMaxBands>;

void RealsMember(JsonWriter& json, std::string_view key, const Reals& values, int bands) {
  json.Key(key);
  json.Reals(std::span(values).first(static_cast<std::size_t>(bands)));
}

void ClassesMember(JsonWriter& json, std::string_view key, const Classes& values, int bands) {
  json.Key(key);
  json.BeginArray();
  for (int b = 0; b < bands; ++b) json.Unsigned(values[static_cast<std::size_t>(b)]);
  json.EndArray();
}

void RealMember(JsonWriter& json, std::string_view key, float value) {
  json.Key(key);
  json.Real(value);
}

void BoolMember(JsonWriter& json, std::string_view key, bool value) {
  json.Key(key);
  json.Bool(value);
}

void AxialDiMember(JsonWriter& json, const model::DataRecord& data) {
  json.Key("axialDI");
  json.BeginArray();
  for (const float q : data.Array(model::PerBand::AxialQ)) json.Real(analysis::AxialDI(q));
  json.EndArray();
}

// Only a rating given as a voltage has a power equivalent.
void EquivalentPowerMember(JsonWriter& json, const model::InfoRecord& info) {
  json.Key("equivalentPower");
  if (info.maxInputKind != model::MaxInputKind::Voltage) return json.Null();
  json.Real(analysis::EquivalentPower(info.maxInputValue));
}

}  // namespace

void WriteFiguresMember(JsonWriter& json, const app::DataSetHolder& holder) {
  const model::DataSet& set = *holder.Loaded();
  const analysis::DirectivityFigures& f = holder.Figures();
  const int bands = set.GetGrid().bands;
  json.Key("figures");
  json.BeginObject();
  RealsMember(json, "horizontalWidth", f.horizontalWidth, bands);
  RealsMember(json, "verticalWidth", f.verticalWidth, bands);
  RealsMember(json, "horizontalMaxAngle", f.horizontalMaxAngle, bands);
  RealsMember(json, "verticalMaxAngle", f.verticalMaxAngle, bands);
  ClassesMember(json, "horizontalOffClass", f.horizontalOffClass, bands);
  ClassesMember(json, "verticalOffClass", f.verticalOffClass, bands);
  ClassesMember(json, "offAxisClass", f.offAxisClass, bands);
  BoolMember(json, "horizontalOffAxis", f.horizontalOffAxis);
  BoolMember(json, "verticalOffAxis", f.verticalOffAxis);
  AxialDiMember(json, set.data);
  RealMember(json, "lowestImpedance", set.impedance.lowest);
  RealMember(json, "nominalImpedance", set.impedance.reducedLowest);
  RealMember(json, "maxSensitivity", holder.Reference().maximum);
  RealMember(json, "avgSensitivity", holder.Reference().average);
  json.Key("testSpectrum");
  json.Reals(analysis::TestSpectrum(set));
  EquivalentPowerMember(json, *set.info);
  json.EndObject();
}

}  // namespace zef::cli
