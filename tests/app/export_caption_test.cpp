#include <gtest/gtest.h>

#include "app/export_sheet.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

TEST(ExportCaptionTest, NamesMakerModelViewBandAndReference) {
  using enum graphs::Option;
  using enum model::SpeakerType;
  using V = ExportView;
  using Case = std::tuple<V, model::FormatKind, int, std::vector<graphs::Option>,
                          model::SpeakerType, const char*, std::string>;
  constexpr auto kZef1 = model::FormatKind::Zef1;
  constexpr auto kZef2 = model::FormatKind::Zef2;
  const std::string d = " \xE2\x80\x93 ";  // an en dash between the parts
  // View, kind, band, options, type, maker: the caption after the maker and "Box\xC3\xA9".
  const Case cases[] = {
      {V::kPolar, kZef1, 5, {}, Passive, "Acme", "Polar diagram, 1 kHz" + d},
      {V::kPolar, kZef2, 1, {kPolarReferenceMax}, Passive, "", "Polar diagram, 31.5 Hz" + d},
      {V::kPolar, kZef1, 5, {kPolarReferenceMax}, Powered, "Acme", "Polar diagram, 1 kHz" + d},
      {V::kColourMap, kZef1, 5, {kBalloonReferenceMax}, Passive, "Acme", "Colour maps" + d},
      {V::kEaGraph, kZef1, 5, {}, Passive, "\xC3\x84hnlich", "Sensitivity"},
  };
  // The reference each caption ends with.
  const char* references[] = {"re on-axis", "re max Sensitivity", "re on-axis", "re max Sens.", ""};
  int row = 0;
  for (const auto& [view, kind, band, options, type, maker, caption] : cases) {
    model::DataSet set(kind);
    set.info->type = type;
    model::SetText(set.info->manufacturer, maker);   // UTF-8 kept
    model::SetText(set.info->modelName, "Box\xE9");  // Latin-1 converted
    ExportRequest request;
    request.view = view;
    request.options = graphs::OptionSet(0);
    for (const graphs::Option option : options) request.options.Set(option, true);
    const std::string expected = (*maker ? maker + std::string(" ") : "") + "Box\xC3\xA9" + d;
    EXPECT_EQ(ExportCaption(request, set, band, "Sensitivity"),
              expected + caption + references[row++]);
  }
}

}  // namespace
}  // namespace zef::app
