#include "textformat/text_reader.h"

#include <gtest/gtest.h>

#include "textformat/minimal_file.h"
#include "textformat/reader_fixture.h"

namespace zef::textformat {
namespace {

using model::FormatKind;
using testing::ErrorAt;
using testing::MinimalZef1;
using Lines = std::vector<std::string>;

TextReadResult Read(std::string_view text, model::LineSink& sink) {
  return ReadText(text, "/nonexistent/box.txt", "2024-FEB-01", sink);
}

TEST(TextReader, ReadsACompleteFile) {
  model::LineSink sink;
  const TextReadResult read = Read(MinimalZef1(), sink);
  EXPECT_EQ(sink.Lines(), Lines{});
  ASSERT_EQ(read.result, kReadClean);
  ASSERT_NE(read.set, nullptr);
  const model::DataSet& set = *read.set;
  // The groups' own tests pin each field; here, that every group ran in turn.
  EXPECT_EQ(set.kind, FormatKind::Zef1);
  EXPECT_EQ(model::TextOf(set.info->fileDate), "2024-FEB-01");
  EXPECT_EQ(set.info->presenceFlags, model::presence::kColors);
  EXPECT_EQ(set.data.MaxBand(), 6u);
  EXPECT_EQ(set.data.Array(model::PerBand::Sensitivity)[6], 91.5f);
  EXPECT_EQ(set.data.Arc(6, 20)[10], -50.0f);
  EXPECT_EQ(set.info->upCode, model::kPlusZ);
}

TEST(TextReader, FirstLineFailuresHaveNoLineNumber) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"<ZEF3>\r\n", "file type <ZEF1> or <ZEF2> missing on line 1"},
      {"<ZEF1>\n<VERSION>\t1\n", "file does not have CR-LF line separators"},
      {"<ZEF1>\r", "read error"},
      {"", "read error"},
  };
  for (const auto& [text, message] : cases) {
    model::LineSink sink;
    const TextReadResult read = Read(text, sink);
    EXPECT_EQ(read.result, kReadFailed);
    EXPECT_EQ(read.set, nullptr);
    EXPECT_EQ(sink.Lines(), Lines{std::string(message)}) << text;
  }
  model::LineSink sink;
  EXPECT_EQ(ReadTextFile("/nonexistent/folder/none.txt", sink).result, kReadFailed);
  EXPECT_EQ(sink.Lines(), Lines{"Failed to open file"});
}

TEST(TextReader, StopsAtTheFirstFatalError) {
  model::LineSink sink;
  std::string text = MinimalZef1("-0.5");
  const TextReadResult read = Read(text, sink);
  EXPECT_EQ(read.result, kReadFailed);
  EXPECT_EQ(sink.Lines(), ErrorAt(10, "<WEIGHT> value must be >= 0 kg"));
}

// Older files end without the end tag, or with Ctrl-Z in its place.
TEST(TextReader, TextEndingBeforeTheEndTagKeepsTheCleanResult) {
  std::string text = MinimalZef1();
  text.insert(text.find("<ZEF1END>"), "\x1a");
  model::LineSink sink;
  const TextReadResult read = Read(text, sink);
  EXPECT_EQ(read.result, kReadClean);
  EXPECT_NE(read.set, nullptr);
  EXPECT_EQ(sink.Lines(), ErrorAt(38, "end of file"));
}

}  // namespace
}  // namespace zef::textformat
