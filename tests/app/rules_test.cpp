#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/desktop_links.h"
#include "app/dialog_ids.h"
#include "app/export_request.h"
#include "app/file_names.h"
#include "app/graph_copy.h"
#include "app/info_popups.h"
#include "app/list_window_model.h"
#include "app/loaded_file_texts.h"
#include "app/message_text.h"
#include "app/option_commands.h"
#include "app/picture_file_name.h"
#include "app/view_commands.h"
#include "case_file.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

using Args = std::vector<std::string>;

std::string Str(int v) {
  return std::to_string(v);
}

WindowPlace Place(const std::string& text) {
  WindowPlace p;
  std::istringstream(text) >> p.x >> p.y >> p.width >> p.height;
  return p;
}

std::string Creator(const Args& a) {
  model::InfoRecord info{};
  model::SetText(info.author, a[0]);
  info.creatorCategory = static_cast<std::uint32_t>(std::stoi(a[1]));
  return CreatorStatusLine(info);
}

// Each rule by name: its arguments as the case file gives them, its result as text.
const std::map<std::string, std::function<std::string(const Args&)>> kRules = {
    {"MessageBoxText", [](const Args& a) { return MessageBoxText(a[0]); }},
    {"ShortenText", [](const Args& a) { return ShortenText(a[0], std::stoul(a[1])); }},
    {"WindowTitleFor", [](const Args& a) { return WindowTitleFor(a[0]); }},
    {"StatusPathFor", [](const Args& a) { return StatusPathFor(a[0]); }},
    {"CreatorStatusLine", Creator},
    {"WebSiteUrl", [](const Args& a) { return WebSiteUrl(a[0]); }},
    {"WithPictureExtension", [](const Args& a) { return WithPictureExtension(a[0], a[1]); }},
    {"InfoPopupTitle", [](const Args& a) { return InfoPopupTitle(a[0]); }},
    {"DataFileKindOf", [](const Args& a) { return Str(static_cast<int>(DataFileKindOf(a[0]))); }},
    {"CommandLineFile",
     [](const Args& a) {
       return CommandLineFile(std::vector<std::string_view>(a.begin(), a.end()));
     }},
    {"FitToScreen",
     [](const Args& a) {
       const WindowPlace p = FitToScreen(Place(a[0]), Place(a[1]));
       return Str(p.x) + " " + Str(p.y) + " " + Str(p.width) + " " + Str(p.height);
     }},
    {"PolarRangeFor10DbTics",
     [](const Args& a) { return Str(PolarRangeFor10DbTics(std::stoi(a[0]))); }},
    {"PolarRangeFor6DbTics",
     [](const Args& a) { return Str(PolarRangeFor6DbTics(std::stoi(a[0]))); }},
    {"PolarZoomInOut",
     [](const Args& a) {
       const graphs::OptionSet options(static_cast<std::uint32_t>(std::stoul(a[1], nullptr, 16)));
       return Str(PolarZoomInEnabled(std::stoi(a[0]), options)) +
              Str(PolarZoomOutEnabled(std::stoi(a[0]), options));
     }},
    {"LowerViewOfRadio",
     [](const Args& a) { return Str(control::LowerViewOfRadio(std::stoi(a[0]))); }},
    {"TopLineFor",
     [](const Args& a) { return Str(static_cast<int>(TopLineFor(std::stoul(a[0])))); }},
    {"GraphCopyOf",
     [](const Args& a) {
       const auto copy = GraphCopyOf(std::stoi(a[0]));
       return copy ? Str(copy->upper) + " " + Str(static_cast<int>(copy->output)) : "none";
     }},
    {"CopyFooter",
     [](const Args& a) {
       return Str(
           static_cast<int>(CopyFooter(a[0] == "1", static_cast<LowerView>(std::stoi(a[1])))));
     }},
    {"LabelOf",
     [](const Args& a) { return Str(LabelOf(static_cast<InfoButton>(std::stoi(a[0])))); }},
};

TEST(Rules, Cases) {
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/rules.txt")) {
    const auto rule = kRules.find(c[0]);
    ASSERT_NE(rule, kRules.end()) << c.where;
    EXPECT_EQ(rule->second(Args(c.fields.begin() + 1, c.fields.end() - 1)), c.fields.back())
        << c.where;
  }
  EXPECT_EQ(AboutTitle(), "ZEF reader/viewer v" ZEF_TEST_VERSION);
}

}  // namespace
}  // namespace zef::app
