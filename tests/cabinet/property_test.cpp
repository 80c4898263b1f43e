#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cabinet/dxf_text.h"
#include "model/byte_mutations.h"

namespace zef::cabinet {
namespace {

using namespace testing;
using model::testing::ByteMutations;

// One drawing with every entity kind the reader understands.
std::string EveryEntity(std::string_view lineEnd) {
  return Entities(
      [](DxfText& dxf) {
        dxf(0, "3DFACE")(62, "7").Point(10, 0, 0, 0).Point(11, 1, 0, 0);
        dxf.Point(12, 1, 1, 0).Point(13, 0, 1, 0)(70, "5");
        dxf(0, "LINE")(62, "256").Point(10, 1, 2, 3).Point(11, 4, 5, 6);
        dxf(0, "POLYLINE")(66, "1")(70, "9");
        for (const double x : {0.0, 1.0, 2.0}) dxf(0, "VERTEX").Point(10, x, 1, 2)(70, "32");
        dxf(0, "SEQEND");
        dxf(0, "POLYLINE")(66, "1")(70, "64");
        for (const double z : {0.0, 1.0, 2.0}) dxf(0, "VERTEX").Point(10, 1, z, z)(70, "192");
        dxf(0, "VERTEX")(70, "128")(71, "1")(72, "-2")(73, "3")(74, "0");
        dxf(0, "SEQEND");
        dxf(0, "POLYLINE")(70, "1")(30, "2.5")(210, "0")(220, "-1")(230, "0");
        for (const double x : {0.0, 3.0}) dxf(0, "VERTEX")(10, x)(20, 4.0 - x);
        dxf(0, "SEQEND");
        dxf(0, "LWPOLYLINE")(70, "1")(38, "1,5")(10, "0")(20, "0")(10, ".5")(20, "-.5");
        dxf(210, "0")(220, "0")(230, "-1");
      },
      lineEnd);
}

// Damaged drawings in either line-end form: the parse ends, with a message
// when it fails, and faces never have more than four corners.
TEST(DxfProperty, DamagedDrawingsNeverCrash) {
  const std::vector<std::vector<char>> originals = [] {
    std::vector<std::vector<char>> texts;
    for (const char* end : {"\r\n", "\n"}) {
      const std::string text = EveryEntity(end);
      texts.emplace_back(text.begin(), text.end());
    }
    return texts;
  }();
  ASSERT_TRUE(Parse({originals[0].data(), originals[0].size()}).result.ok);
  ByteMutations mutations(11);
  int failed = 0;
  for (int i = 0; i < 400; ++i) {
    const std::vector<char> text = mutations.Mutated(originals[i % 2]);
    const Parsed parsed = Parse({text.data(), text.size()});
    ASSERT_EQ(parsed.result.ok, parsed.result.message.empty());
    failed += !parsed.result.ok;
    for (const model::Face& face : parsed.lists.faces) ASSERT_LE(face.vertices.size(), 4u);
  }
  EXPECT_GT(failed, 0);
}

}  // namespace
}  // namespace zef::cabinet
