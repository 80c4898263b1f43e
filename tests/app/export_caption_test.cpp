#include <gtest/gtest.h>

#include "app/export_sheet.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

TEST(ExportCaptionTest, NamesMakerModelViewBandAndReference) {
  using enum graphs::Option;
  const struct {
    ExportView view;
    model::FormatKind kind;
    int band;
    std::vector<graphs::Option> options;
    model::SpeakerType type;
    const char* maker;
    std::string caption;
  } cases[] = {
      {ExportView::kPolar,
       model::FormatKind::Zef1,
       5,
       {},
       model::SpeakerType::Passive,
       "Acme",
       "Acme Box\xC3\xA9 \xE2\x80\x93 Polar diagram, 1 kHz \xE2\x80\x93 re on-axis"},
      {ExportView::kPolar,
       model::FormatKind::Zef2,
       1,
       {kPolarReferenceMax},
       model::SpeakerType::Passive,
       "",
       "Box\xC3\xA9 \xE2\x80\x93 Polar diagram, 31.5 Hz \xE2\x80\x93 re max Sensitivity"},
      {ExportView::kPolar,
       model::FormatKind::Zef1,
       5,
       {kPolarReferenceMax},
       model::SpeakerType::Powered,
       "Acme",
       "Acme Box\xC3\xA9 \xE2\x80\x93 Polar diagram, 1 kHz \xE2\x80\x93 re on-axis"},
      {ExportView::kColourMap,
       model::FormatKind::Zef1,
       5,
       {kBalloonReferenceMax},
       model::SpeakerType::Passive,
       "Acme",
       "Acme Box\xC3\xA9 \xE2\x80\x93 Colour maps \xE2\x80\x93 re max Sens."},
      {ExportView::kEaGraph,
       model::FormatKind::Zef1,
       5,
       {},
       model::SpeakerType::Passive,
       "\xC3\x84hnlich",
       "\xC3\x84hnlich Box\xC3\xA9 \xE2\x80\x93 Sensitivity"},
  };
  for (const auto& c : cases) {
    model::DataSet set(c.kind);
    set.info->type = c.type;
    model::SetText(set.info->manufacturer, c.maker);  // UTF-8 kept
    model::SetText(set.info->modelName, "Box\xE9");   // Latin-1 converted
    ExportRequest request;
    request.view = c.view;
    request.options = graphs::OptionSet(0);
    for (const graphs::Option option : c.options) request.options.Set(option, true);
    EXPECT_EQ(ExportCaption(request, set, c.band, "Sensitivity"), c.caption);
  }
}

}  // namespace
}  // namespace zef::app
