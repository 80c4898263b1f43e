#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cabinet_listing.h"
#include "case_file.h"
#include "model/byte_mutations.h"

namespace zef::cabinet {
namespace {

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
