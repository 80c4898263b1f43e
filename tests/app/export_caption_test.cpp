#include <gtest/gtest.h>

#include "app/export_sheet.h"
#include "case_file.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

TEST(ExportCaptionTest, NamesMakerModelViewBandAndReference) {
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/export_captions.txt")) {
    model::DataSet set(c[1] == "zef1" ? model::FormatKind::Zef1 : model::FormatKind::Zef2);
    set.info->type = static_cast<model::SpeakerType>(std::stoi(c[4]));
    model::SetText(set.info->manufacturer, c[5]);    // UTF-8 kept
    model::SetText(set.info->modelName, "Box\xE9");  // Latin-1 converted
    ExportRequest request;
    request.view = FindExportView(c[0])->view;
    request.options = graphs::OptionSet(static_cast<std::uint32_t>(std::stoul(c[3], nullptr, 16)));
    EXPECT_EQ(ExportCaption(request, set, std::stoi(c[2]), "Sensitivity"), c[6]) << c.where;
  }
}

}  // namespace
}  // namespace zef::app
