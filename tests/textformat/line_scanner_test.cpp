#include "textformat/line_scanner.h"

#include <gtest/gtest.h>

namespace zef::textformat {
namespace {

using Status = LineScanner::Status;
using Values = std::vector<std::string_view>;

TEST(LineScanner, FirstLineNeedsKindTagAndCrLf) {
  struct Case {
    std::string_view text;
    LineScanner::FirstLine expected;
  };
  const Case cases[] = {
      {"<ZEF1>\r\n", LineScanner::FirstLine::Ok},
      {"  <zef2> trailing\r\n", LineScanner::FirstLine::Ok},
      {"ZEF1\r\n", LineScanner::FirstLine::NoTag},
      {"<ZEF1>\r<", LineScanner::FirstLine::NotCrLf},
      {"<ZEF1>", LineScanner::FirstLine::EndOfFile},
      {"<ZEF1>\x1a\r\n", LineScanner::FirstLine::EndOfFile},
  };
  for (const Case& c : cases) {
    LineScanner s(c.text);
    std::string tag;
    EXPECT_EQ(s.ReadFirstLine(tag), c.expected) << c.text;
  }
}

TEST(LineScanner, KeywordLinesSkipCommentsBlanksAndTabLinesCountingEach) {
  LineScanner s("# comment\r\n\r\n\t<SKIPPED>\r\n  <model>\tA b \t  c\r\n");
  s.SetLineNumber(1);
  ASSERT_EQ(s.ReadKeyword(), Status::Ok);
  EXPECT_EQ(s.Keyword(), "<MODEL>");
  EXPECT_EQ(s.LineNumber(), 5);
  ASSERT_EQ(s.ReadValues(), Status::Ok);
  EXPECT_EQ(s.Values(), (Values{"A b", "c"}));
  EXPECT_EQ(s.ReadKeyword(), Status::EndOfFile);
}

TEST(LineScanner, ValueFieldRules) {
  struct Case {
    std::string_view line;
    Status status;
    Values values;
  };
  const Case cases[] = {
      {"<K>\r\n", Status::NoValues, {}},
      {"<K>\t\r\n", Status::Ok, {}},
      {"<K> ignored\tx\r\n", Status::Ok, {"x"}},
      {"<K>\t1\t\t2\r\n", Status::Ok, {"1"}},         // an empty field ends the line
      {"<K>\t1\t # note\t2\r\n", Status::Ok, {"1"}},  // so does a comment
      {"<K>\t1\t2", Status::EndOfFile, {}},           // no CR before the end
  };
  for (const Case& c : cases) {
    LineScanner s(c.line);
    ASSERT_EQ(s.ReadKeyword(), Status::Ok) << c.line;
    EXPECT_EQ(s.ReadValues(), c.status) << c.line;
    EXPECT_EQ(s.Values(), c.values) << c.line;
  }
}

TEST(LineScanner, LongFieldsAreCutAndBadKeywordsRefused) {
  const std::string text = "<K>\t" + std::string(300, 'x') + "\r\n";
  LineScanner s(text);
  ASSERT_EQ(s.ReadKeyword(), Status::Ok);
  ASSERT_EQ(s.ReadValues(), Status::Ok);
  EXPECT_EQ(s.Values()[0].size(), 255u);

  EXPECT_EQ(LineScanner("<K\r\n").ReadKeyword(), Status::NotKeyword);
  EXPECT_EQ(LineScanner("K>\r\n").ReadKeyword(), Status::NotKeyword);
  EXPECT_EQ(LineScanner("<K").ReadKeyword(), Status::EndOfFile);
  EXPECT_EQ(LineScanner("<" + std::string(400, 'K') + ">\r\n").ReadKeyword(), Status::NotKeyword);
}

TEST(LineScanner, DataLinesAndUnreadRestsOfLines) {
  LineScanner s("<PHASE>\tignored\r\n1\t2\t3\r\n\t4\r\n#x\t5\r\n");
  ASSERT_EQ(s.ReadKeyword(), Status::Ok);
  ASSERT_EQ(s.ReadDataLine(), Status::Ok);  // the rest of <PHASE> is skipped
  EXPECT_EQ(s.Values(), (Values{"1", "2", "3"}));
  ASSERT_EQ(s.ReadDataLine(), Status::Ok);
  EXPECT_TRUE(s.Values().empty());
  ASSERT_EQ(s.ReadDataLine(), Status::Ok);
  EXPECT_TRUE(s.Values().empty());
  EXPECT_EQ(s.LineNumber(), 4);
  EXPECT_EQ(s.ReadDataLine(), Status::EndOfFile);
}

}  // namespace
}  // namespace zef::textformat
