#include "cli/curves_output.h"

#include <cmath>
#include <cstdio>

#include "model/info_record.h"

namespace zef::cli {

using analysis::CtaCurve;

void WriteCurvesMember(JsonWriter& json, const model::DataSet& set) {
  const analysis::CtaCurves curves = analysis::ComputeCta2034(set);
  const int bands = set.GetGrid().bands;
  const auto inRange = [&curves](int band) {
    return band >= curves.range.first && band <= curves.range.last;
  };
  json.Key("curves");
  json.BeginObject();
  json.Key("absolute");
  json.BeginArray();
  for (int band = 0; band < bands; ++band) json.Bool(inRange(band) && curves.bands[band].absolute);
  json.EndArray();
  for (int c = 0; c < analysis::kCtaCurveCount; ++c) {
    const auto curve = static_cast<CtaCurve>(c);
    json.Key(analysis::CtaCurveKey(curve));
    json.BeginArray();
    for (int band = 0; band < bands; ++band) {
      json.Real(inRange(band) ? curves.bands[band][curve] : model::kNoData);
    }
    json.EndArray();
  }
  json.EndObject();
}

std::string CurvesText(const model::DataSet& set, const analysis::CtaCurves& curves) {
  std::string text;
  char line[96];
  for (int band = curves.range.first; band <= curves.range.last; ++band) {
    const analysis::CtaBand& b = curves.bands[band];
    text += std::string(model::BandLabel(set.kind, band)) + " Hz, " +
            (b.absolute ? "absolute levels" : "levels relative to on-axis") + '\n';
    for (int c = 0; c < analysis::kCtaCurveCount; ++c) {
      const auto curve = static_cast<CtaCurve>(c);
      const std::string name(analysis::CtaCurveName(curve));
      if (model::IsMissing(b[curve]) || !std::isfinite(b[curve])) {
        std::snprintf(line, sizeof line, "  %-28s no value\n", name.c_str());
      } else {
        std::snprintf(line, sizeof line, "  %-28s %7.1f dB\n", name.c_str(),
                      static_cast<double>(b[curve]));
      }
      text += line;
    }
  }
  return text;
}

}  // namespace zef::cli
