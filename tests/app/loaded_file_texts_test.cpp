#include <gtest/gtest.h>

#include <string>

#include "app/loaded_file_texts.h"
#include "app/message_text.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

TEST(MessageBoxText, DoubleHashesBreakLinesSingleOnesStay) {
  EXPECT_EQ(MessageBoxText("a##b####c"), "a\nb\n\nc");
  EXPECT_EQ(MessageBoxText("#a###b#"), "#a\n#b#");
}

TEST(WindowTitle, NameWithoutFoldersShortenedAndTheProgramTitle) {
  for (const char* path : {"/data/box.ZF1", "C:\\data\\box.ZF1", "C:box.ZF1", "box.ZF1"}) {
    EXPECT_EQ(WindowTitleFor(path), "box.ZF1 - ZEF reader/viewer");
  }
  // 40 characters: the first 17, "...", the last 20.
  EXPECT_EQ(WindowTitleFor("/d/" + std::string(30, 'n') + "-and-some-more.txt"),
            std::string(17, 'n') + "...nn-and-some-more.txt - ZEF reader/viewer");
  EXPECT_EQ(StatusPathFor("/home/maker/loudspeakers/2024/column/column-zef2-v1.txt"),
            "/home/maker/loudspe...lumn/column-zef2-v1.txt");
  EXPECT_EQ(ShortenText("short", 45), "short");
}

TEST(CreatorStatusLine, AuthorAndCategoryName) {
  model::InfoRecord info{};
  model::SetText(info.author, "Acme Labs");
  // A category the table lacks names nothing.
  for (const auto& [category, name] :
       {std::pair{0u, "Demo data"}, std::pair{5u, "ZEF Dev"}, std::pair{6u, ""}}) {
    info.creatorCategory = category;
    EXPECT_EQ(CreatorStatusLine(info), std::string("File created by: Acme Labs (") + name + ")");
  }
}

}  // namespace
}  // namespace zef::app
