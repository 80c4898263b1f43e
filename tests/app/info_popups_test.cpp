#include "app/info_popups.h"

#include <gtest/gtest.h>

#include <memory>

#include "case_file.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

TEST(InfoPopups, EachButtonExplainsItsValue) {
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/info_popups.txt")) {
    const auto info = std::make_unique<model::InfoRecord>();
    model::SetText(info->sensitivityInfo, "1 W / 1 m, half space");
    model::SetText(info->impedanceInfo, "free air");
    model::SetText(info->axialSpectrumInfo, "pink noise");
    info->type = static_cast<model::SpeakerType>(std::stoi(c[1]));
    info->maxInputKind = static_cast<model::MaxInputKind>(std::stoi(c[2]));
    info->maxInputValue = 40.0f;
    info->maxInputMethod = static_cast<model::TestMethod>(std::stoi(c[3]));
    if (!c[4].empty()) {
      info->presenceFlags |= model::presence::kMethodInfo;
      model::SetText(info->methodInfo, c[4] == "x250" ? std::string(250, 'x') : c[4]);
    }
    const auto body = InfoPopupBody(static_cast<InfoButton>(std::stoi(c[0])), *info,
                                    {c[5][0] == '1', c[5][1] == '1'});
    EXPECT_EQ(body.value_or("-"), c[6]) << c.where;
  }
}

}  // namespace
}  // namespace zef::app
