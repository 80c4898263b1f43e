#include "textformat/text_reader.h"

#include <gtest/gtest.h>

#include "textformat/minimal_file.h"

namespace zef::textformat {
namespace {

using Lines = std::vector<std::string>;

TextReadResult Read(std::string_view text, model::LineSink& sink) {
  return ReadText(text, "/nonexistent/box.txt", "2024-FEB-01", sink);
}

TEST(TextReader, ReadsACompleteFile) {
  model::LineSink sink;
  const TextReadResult read = Read(testing::MinimalZef1(), sink);
  EXPECT_EQ(sink.Lines(), Lines{});
  ASSERT_EQ(read.result, kReadClean);
  ASSERT_NE(read.set, nullptr);
  const model::DataSet& set = *read.set;
  // The groups' own cases pin each field; here, that every group ran in turn.
  EXPECT_EQ(set.kind, model::FormatKind::Zef1);
  EXPECT_EQ(model::TextOf(set.info->fileDate), "2024-FEB-01");
  EXPECT_EQ(set.info->presenceFlags, model::presence::kColors);
  EXPECT_EQ(set.data.MaxBand(), 6u);
  EXPECT_EQ(set.data.Array(model::PerBand::Sensitivity)[6], 91.5f);
  EXPECT_EQ(set.data.Arc(6, 20)[10], -50.0f);
  EXPECT_EQ(set.info->upCode, model::kPlusZ);
}

// The first line has no line number; a fatal error stops the read; older files end without
// the end tag, or with Ctrl-Z in its place, and keep the clean result.
TEST(TextReader, FailuresAndEnds) {
  std::string ctrlZ = testing::MinimalZef1();
  ctrlZ.insert(ctrlZ.find("<ZEF1END>"), "\x1a");
  const std::tuple<std::string, int, Lines> cases[] = {
      {"<ZEF3>\r\n", kReadFailed, {"file type <ZEF1> or <ZEF2> missing on line 1"}},
      {"<ZEF1>\n<VERSION>\t1\n", kReadFailed, {"file does not have CR-LF line separators"}},
      {"<ZEF1>\r", kReadFailed, {"read error"}},
      {"", kReadFailed, {"read error"}},
      {testing::MinimalZef1("-0.5"),
       kReadFailed,
       {"Error on line:   10", " <WEIGHT> value must be >= 0 kg"}},
      {ctrlZ, kReadClean, {"Error on line:   38", " end of file"}},
  };
  for (const auto& [text, result, messages] : cases) {
    model::LineSink sink;
    const TextReadResult read = Read(text, sink);
    EXPECT_EQ(read.result, result) << text;
    EXPECT_EQ(read.set == nullptr, result == kReadFailed) << text;
    EXPECT_EQ(sink.Lines(), messages) << text;
  }
  model::LineSink sink;
  EXPECT_EQ(ReadTextFile("/nonexistent/folder/none.txt", sink).result, kReadFailed);
  EXPECT_EQ(sink.Lines(), Lines{"Failed to open file"});
}

}  // namespace
}  // namespace zef::textformat
