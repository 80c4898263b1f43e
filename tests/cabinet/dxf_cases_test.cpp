#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cabinet/arbitrary_axis.h"
#include "cabinet/dxf_colour.h"
#include "cabinet/dxf_groups.h"
#include "cabinet/dxf_lines.h"
#include "cabinet/dxf_numbers.h"
#include "cabinet_listing.h"
#include "case_file.h"
#include "model/byte_mutations.h"
#include "wav/wav_image.h"

namespace zef::cabinet {
namespace {

using zef::testing::ReadCases;

std::string CaseDrawing(const std::string& field) {
  if (!field.starts_with("@")) return testing::Drawing(field);
  std::ifstream in(zef::testing::TestsPath("cabinet/cases/" + field.substr(1)), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(DxfParse, ReadsInMemoryAndFromFilesInBothLineEnds) {
  const wav::testing::TempDir folder;
  for (const auto& c : ReadCases("cabinet/cases/dxf_parse.txt")) {
    for (const std::string& text : {CaseDrawing(c[0]), testing::WithCrLf(CaseDrawing(c[0]))}) {
      for (const bool fromFile : {false, true}) {
        DxfLists lists;
        model::LineSink progress, debug;
        const DxfResult result =
            fromFile ? ParseDxfFile(folder.Write("cab.dxf", text), {}, &progress, lists, &debug)
                     : ParseDxf(text, {}, &progress, lists, &debug);
        EXPECT_EQ(testing::Listing(result, lists, progress, debug), c[1]) << c.where << fromFile;
      }
    }
  }
}

TEST(DxfValues, RealsWholeNumbersAndColours) {
  for (const auto& c : ReadCases("cabinet/cases/dxf_values.txt")) {
    double real = 7;
    std::int32_t whole = 7;
    if (c[0] == "colour") {
      EXPECT_EQ(testing::Hex(DxfColour(c[1])), c[2]) << c.where;
    } else if (c[0] == "real") {
      EXPECT_EQ(ParseDxfReal(c[1], real) ? std::optional(real) : std::nullopt,
                c[2] == "refused" ? std::nullopt : std::optional(std::stod(c[2])))
          << c.where;
    } else {
      EXPECT_EQ(ParseDxfWhole(c[1], whole) ? std::to_string(whole) : "refused", c[2]) << c.where;
    }
  }
}

TEST(DxfGroups, CodesValuesAndLineCount) {
  for (const auto& c : ReadCases("cabinet/cases/dxf_groups.txt")) {
    MemoryLines lines(c[0]);
    GroupReader reader(lines);
    std::string groups;
    while (reader.Next()) {
      groups += (groups.empty() ? "" : " ; ") + std::to_string(reader.Code()) + ":" +
                std::string(reader.Value());
    }
    EXPECT_EQ(groups + " | " + std::to_string(reader.LineCount()), c[1] + " | " + c[2]) << c.where;
  }
}

TEST(ArbitraryAxis, WorldPointsAndObjectAxes) {
  const auto text = [](Vec3 v) {
    char out[96];
    std::snprintf(out, sizeof out, "%.8f,%.8f,%.8f", v.x + 0.0, v.y + 0.0, v.z + 0.0);
    return std::string(out);
  };
  for (const auto& c : ReadCases("cabinet/cases/arbitrary_axis.txt")) {
    Vec3 direction;
    std::sscanf(c[0].c_str(), "%lf,%lf,%lf", &direction.x, &direction.y, &direction.z);
    const auto frame = ObjectFrame::FromExtrusion(direction);
    EXPECT_EQ(frame ? text(frame->ToWorld({1, 2, 3})) + " | " + text(frame->AxisX()) : "none",
              c[1] + (c.fields.size() > 2 ? " | " + c[2] : ""))
        << c.where;
  }
}

// Damaged drawings of every entity kind in either line-end form: the parse
// ends, with a message when it fails, and faces never have more than four corners.
TEST(DxfProperty, DamagedDrawingsNeverCrash) {
  std::ifstream in(zef::testing::TestsPath("cabinet/cases/every_entity.dxf"), std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  const std::string crlf = testing::WithCrLf(text);
  const std::vector<std::vector<char>> originals{{text.begin(), text.end()},
                                                 {crlf.begin(), crlf.end()}};
  model::testing::ByteMutations mutations(11);
  int failed = 0;
  for (int i = 0; i < 400; ++i) {
    const std::vector<char> damaged = mutations.Mutated(originals[i % 2]);
    DxfLists lists;
    const DxfResult result = ParseDxf({damaged.data(), damaged.size()}, {}, nullptr, lists);
    ASSERT_EQ(result.ok, result.message.empty());
    failed += !result.ok;
    for (const model::Face& face : lists.faces) ASSERT_LE(face.vertices.size(), 4u);
  }
  EXPECT_GT(failed, 0);
}

}  // namespace
}  // namespace zef::cabinet
