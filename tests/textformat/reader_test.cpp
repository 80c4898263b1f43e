#include "textformat/reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "textformat/reader_fixture.h"

namespace zef::textformat {
namespace {

using model::FormatKind;
using testing::ErrorAt;
using testing::RunGroup;
using Lines = std::vector<std::string>;

// Reads "<K>\t<value>" and applies `convert` to the value.
template <typename Convert>
testing::GroupRun Convert1(std::string_view value, Convert convert) {
  return RunGroup(FormatKind::Zef1, "<K>\t" + std::string(value) + "\n", [&](Reader& r) {
    return r.ExpectKeywordWithValues("<K>") && r.NextValue() && convert(r);
  });
}

testing::GroupRun Real(std::string_view text, float& v) {
  return Convert1(text, [&](Reader& r) { return r.ToReal(v); });
}

TEST(ReaderConversions, RealsAcceptDecimalCommaAndBarePoint) {
  const std::pair<std::string_view, float> good[] = {
      {"1.5", 1.5f},    {"1,5", 1.5f}, {".5", 0.5f},     {"-.5", -0.5f}, {",25", 0.25f},
      {"-,25", -0.25f}, {"+2", 2.0f},  {"1e3", 1000.0f}, {"0", 0.0f}};
  for (const auto& [text, expected] : good) {
    float v = -1;
    EXPECT_TRUE(Real(text, v).ok) << text;
    EXPECT_EQ(v, expected) << text;
  }
  const std::string tooLong = "0." + std::string(30, '1');
  for (std::string_view text :
       {"1.5x", "abc", "1,5,0", "nan", "inf", "1e99", "-", "1.2.3", tooLong.c_str()}) {
    float v;
    EXPECT_EQ(Real(text, v).messages, ErrorAt(2, "Valid float expected: " + std::string(text)));
  }
}

TEST(ReaderConversions, WholeNumbers) {
  std::uint32_t u = 0;
  EXPECT_TRUE(Convert1("4294967295", [&](Reader& r) { return r.ToUnsigned(u); }).ok);
  EXPECT_EQ(u, 4294967295u);
  for (std::string_view text : {"4294967296", "-1", "+1", "1.0", "x"}) {
    const auto run = Convert1(text, [&](Reader& r) { return r.ToUnsigned(u); });
    EXPECT_EQ(run.messages, ErrorAt(2, "Unsigned integer expected:" + std::string(text)));
  }
  std::int32_t i = 0;
  EXPECT_TRUE(Convert1("-90", [&](Reader& r) { return r.ToInteger(i); }).ok);
  EXPECT_EQ(i, -90);
  EXPECT_TRUE(Convert1("+45", [&](Reader& r) { return r.ToInteger(i); }).ok);
  EXPECT_EQ(i, 45);
  EXPECT_EQ(Convert1("9x", [&](Reader& r) { return r.ToInteger(i); }).messages,
            ErrorAt(2, "Integer expected:9x"));
}

TEST(ReaderConversions, TextsLoseOuterQuotesAndConvertBreaks) {
  const std::tuple<std::string_view, bool, std::string_view> cases[] = {
      {"\"  quoted  \"", false, "quoted"},  {"'single'", false, "single"}, {"it's", false, "it's"},
      {"a<br>b<BR>c", true, "a\r\nb\r\nc"}, {"a<br>b", false, "a<br>b"},
  };
  for (const auto& [text, breaks, expected] : cases) {
    char field[256];
    Convert1(text, [&](Reader& r) {
      r.ToText(field, breaks);
      return true;
    });
    EXPECT_EQ(model::TextOf(field), expected) << text;
  }
  char small[8];
  Convert1("longer than eight", [&](Reader& r) {
    r.ToText(small);
    return true;
  });
  EXPECT_EQ(model::TextOf(small), "longer ");
  EXPECT_FALSE(HasVisibleText(" -- .. "));
  EXPECT_TRUE(HasVisibleText("-\xE9-"));
  EXPECT_TRUE(HasVisibleText("0"));
}

TEST(ReaderPerBand, ValuesRangesAndMissingFields) {
  auto bands = [](model::DataSet& set) { testing::SetBands(set, 3, 5); };
  std::vector<float> values(10, -1.0f);
  auto readAndCheck = [&](float lo, float hi) {
    return [&values, lo, hi](Reader& r) {
      return r.ExpectKeywordWithValues("<K>") && r.ReadPerBand("<K>", values) &&
             r.CheckAllowedRange("<K>", values, lo, hi);
    };
  };
  auto run = RunGroup(FormatKind::Zef1, "<K>\t1\t<nodata>\t3\t99\n", readAndCheck(0, 10), bands);
  EXPECT_TRUE(run.ok);
  EXPECT_EQ(values[3], 1.0f);
  EXPECT_EQ(values[4], model::kNoData);
  EXPECT_EQ(values[5], 3.0f);
  EXPECT_EQ(values[6], -1.0f);  // outside the band range: untouched

  ReadOptions comma;
  comma.decimalComma = true;
  const std::tuple<std::string, float, ReadOptions, std::string> refused[] = {
      {"1\t2", 10, {}, "<K> data field missing"},
      {"1\t0\t3", 1000, {}, "<K> data out of allowed range (0.0 ..1000.0)"},
      {"1\t2\t1000.5", 1000, comma, "<K> data out of allowed range (0,0 ..1000,0)"},
  };
  for (const auto& [line, hi, options, message] : refused) {
    testing::ExpectFailed(
        RunGroup(FormatKind::Zef1, "<K>\t" + line + "\n", readAndCheck(0, hi), bands, options),
        ErrorAt(2, message), line);
  }
  run = RunGroup(
      FormatKind::Zef1, "<K>\t1\t<NODATA>\t3\n",
      [&](Reader& r) {
        return r.ExpectKeywordWithValues("<K>") && r.ReadPerBand("<K>", values) &&
               r.CheckRealisticRange("<K>", values, 0, 160);
      },
      bands);
  EXPECT_EQ(run.messages, ErrorAt(2, "<K> some unrealstic data"));
}

TEST(ReaderPerBand, AllNoDataAndZeroWarning) {
  auto run = RunGroup(FormatKind::Zef1, "<K>\t<NODATA>\t<nodata>\n", [](Reader& r) {
    return r.ExpectKeywordWithValues("<K>") && r.RemainingAllNoData();
  });
  EXPECT_TRUE(run.ok);
  run = RunGroup(FormatKind::Zef1, "<K>\t\n", [](Reader& r) {
    return r.ExpectKeywordWithValues("<K>") && !r.RemainingAllNoData();
  });
  EXPECT_TRUE(run.ok);

  std::vector<float> spectrum(30, 1.0f);
  spectrum[7] = 0.0f;
  spectrum[9] = 0.0f;
  run = RunGroup(FormatKind::Zef1, "", [&](Reader& r) {
    r.WarnZeroValues("<AXIAL-SPECTRUM>", spectrum);
    return true;
  });
  EXPECT_EQ(run.messages, (Lines{"WARNING:", " One or more zero values found for <AXIAL-SPECTRUM>.",
                                 " If these are not actual values, but indicate missing data,",
                                 " use <nodata> instead of zero."}));
  EXPECT_EQ(run.result, kReadClean);
}

TEST(ReaderLines, KeywordMessagesAndResults) {
  using Group = std::function<bool(Reader&)>;
  const auto want = [](const char* k) { return [=](Reader& r) { return r.ExpectKeyword(k); }; };
  const std::tuple<std::string, Group, Lines, int> cases[] = {
      {"# c\n<OTHER>\t1\n", want("<WANTED>"), ErrorAt(3, "<WANTED> expected"), kReadFailed},
      {"<COLORS>\n", [](Reader& r) { return r.ExpectKeywordWithValues("<COLORS>"); },
       ErrorAt(2, "No data found after <COLORS>"), kReadFailed},
      {"\n", want("<K>"), ErrorAt(3, "end of file"), kReadFailed},
      // A failed probe leaves the result to the caller.
      {"text\n", [](Reader& r) { return r.TryKeyword("<CABINET>") == Reader::Probe::Failed; },
       ErrorAt(2, "<CABINET> expected"), kReadClean},
      {"<A>\t1\n<B>\t2\n",
       [](Reader& r) {
         r.NonFatal("<A>", " value expected");
         return r.TryKeyword("<B>") == Reader::Probe::Other && r.Keyword() == "<A>";
       },
       ErrorAt(1, "<A> value expected"), kReadWithErrors},
  };
  for (const auto& [lines, group, messages, result] : cases) {
    const auto run = RunGroup(FormatKind::Zef1, lines, group);
    EXPECT_EQ(run.messages, messages) << lines;
    EXPECT_EQ(run.result, result) << lines;
    EXPECT_EQ(run.ok, result != kReadFailed) << lines;
  }
}

}  // namespace
}  // namespace zef::textformat
