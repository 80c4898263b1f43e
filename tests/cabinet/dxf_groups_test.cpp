#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cabinet/dxf_groups.h"

namespace zef::cabinet {
namespace {

struct ReadGroups {
  std::vector<std::pair<int, std::string>> groups;
  bool failed = false;
  std::uint64_t lines = 0;
};

ReadGroups ReadAll(LineSource& source) {
  GroupReader reader(source);
  ReadGroups out;
  while (reader.Next()) out.groups.emplace_back(reader.Code(), std::string(reader.Value()));
  out.lines = reader.LineCount();
  return out;
}

ReadGroups ReadBoth(const std::string& text) {
  MemoryLines memory(text);
  return ReadAll(memory);
}

using Groups = std::vector<std::pair<int, std::string>>;

TEST(DxfGroups, LineEndsBlanksAndCase) {
  // The last line counts without its line end; a CR inside a line stays part
  // of it; an empty value line gives an empty value.
  const std::pair<std::string, Groups> cases[] = {
      {"  0\r\nSection\r\n2\r\n\tentities \r\n", {{0, "SECTION"}, {2, "ENTITIES"}}},
      {"0\nline\n1\n\n0\r\nEOF", {{0, "LINE"}, {1, ""}, {0, "EOF"}}},
      {"0\r\nA\rB\r\n", {{0, "A\rB"}}},
  };
  for (const auto& [text, groups] : cases) EXPECT_EQ(ReadBoth(text).groups, groups) << text;
  // An empty code line is no number.
  const ReadGroups emptyCode = ReadBoth("0\r\nA\r\n \r\nB\r\n");
  EXPECT_EQ(emptyCode.groups, (Groups{{0, "A"}}));
  EXPECT_EQ(emptyCode.lines, 4u);
}

TEST(DxfGroups, FailuresAndLineCounter) {
  const std::string longest(255, 'A');
  EXPECT_EQ(ReadBoth("1\r\n" + longest + "\r\n").groups, (Groups{{1, longest}}));
  const ReadGroups tooLong = ReadBoth("0\r\nA\r\n1\r\n" + longest + "B\r\n0\r\nC\r\n");
  EXPECT_EQ(tooLong.groups, (Groups{{0, "A"}}));
  EXPECT_EQ(tooLong.lines, 4u);
  // Blanks count towards the length: the line is measured as written.
  EXPECT_TRUE(ReadBoth("1\n " + longest + "\n").groups.empty());
  // A code line is read with its value line before it is converted.
  const ReadGroups badCode = ReadBoth("0\nA\nX\nB\n0\nC\n");
  EXPECT_EQ(badCode.lines, 4u);
  EXPECT_EQ(ReadBoth("0\nA\n0\n").lines, 3u);
}

}  // namespace
}  // namespace zef::cabinet
