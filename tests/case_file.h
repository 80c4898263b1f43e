#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// Plain-text case files and golden outputs shared by the test binaries.
//
// A case file holds one case per line, its fields separated by " | ";
// blank lines and lines starting with '#' are skipped. In a field, "\t",
// "\n", "\r" and "\\" stand for a tab, a line feed, a carriage return and a
// backslash. Paths are relative to the tests folder.
namespace zef::testing {

inline std::string TestsPath(std::string_view relative) {
  return std::string(ZEF_TESTS_DIR) + "/" + std::string(relative);
}

inline std::string Unescape(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    switch (field[++i]) {
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        out += field[i];
    }
  }
  return out;
}

struct Case {
  std::string where;                // "file:line", for failure messages
  std::vector<std::string> fields;  // unescaped
  const std::string& operator[](std::size_t i) const { return fields.at(i); }
};

inline std::vector<Case> ReadCases(std::string_view relative) {
  std::ifstream in(TestsPath(relative));
  EXPECT_TRUE(in) << "cannot open " << relative;
  std::vector<Case> cases;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    Case c{std::string(relative) + ":" + std::to_string(number), {}};
    for (std::size_t start = 0;;) {
      const std::size_t bar = line.find(" | ", start);
      c.fields.push_back(Unescape(std::string_view(line).substr(start, bar - start)));
      if (bar == std::string::npos) break;
      start = bar + 3;
    }
    cases.push_back(std::move(c));
  }
  return cases;
}

// Compares `actual` with the golden file at `relative`; with ZEF_UPDATE_GOLDEN=1
// in the environment the file is rewritten instead (review the diff before
// committing it).
inline void ExpectGolden(std::string_view relative, const std::string& actual) {
  const std::string path = TestsPath(relative);
  if (const char* update = std::getenv("ZEF_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "no golden file " << relative << " (run with ZEF_UPDATE_GOLDEN=1)";
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(actual, expected.str()) << "differs from " << relative;
}

}  // namespace zef::testing
