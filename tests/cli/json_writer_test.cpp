#include <gtest/gtest.h>

#include <string>

#include "case_file.h"
#include "cli/json_writer.h"

namespace zef::cli {
namespace {

// One object holding a key of each shape, written compact or pretty.
std::string Sample(bool pretty) {
  JsonWriter json(pretty);
  json.BeginObject();
  json.Key("name");
  json.Text("box");
  json.Key("values");
  json.Reals(std::vector<float>{1, 2.5f});
  json.Key("grid");
  json.BeginArray();
  json.Reals(std::vector<float>{1});
  json.Reals(std::vector<float>{});
  json.EndArray();
  json.Key("faces");
  json.BeginArray();
  json.BeginObject();
  json.Key("colour");
  json.Unsigned(255);
  json.EndObject();
  json.EndArray();
  json.Key("empty");
  json.BeginObject();
  json.EndObject();
  json.EndObject();
  return json.Document();
}

TEST(JsonWriter, CompactAndPrettyLayouts) {
  EXPECT_EQ(Sample(false),
            R"({"name":"box","values":[1,2.5],"grid":[[1],[]],"faces":[{"colour":255}],)"
            R"("empty":{}})");
  EXPECT_EQ(
      Sample(true),
      "{\n  \"name\": \"box\",\n  \"values\": [1, 2.5],\n  \"grid\": [\n    [1],\n    []\n  ],\n"
      "  \"faces\": [\n    {\n      \"colour\": 255\n    }\n  ],\n  \"empty\": {}\n}");
}

TEST(JsonWriter, RealsAreTheShortestTextThatReadsBackAndNonFiniteIsNull) {
  for (const auto& c : zef::testing::ReadCases("cli/cases/json_reals.txt")) {
    JsonWriter json(false);
    json.Real(std::stof(c[0]));
    EXPECT_EQ(json.Document(), c[1]) << c.where;
  }
}

TEST(JsonWriter, TextsAreLatinOneTurnedIntoEscapedUtf8) {
  JsonWriter json(false);
  json.Text(
      "caf\xE9 \xB0"
      "C \"q\" a\\b\r\n\t\x01\x7F");
  EXPECT_EQ(json.Document(),
            "\"caf\xC3\xA9 \xC2\xB0"
            "C \\\"q\\\" a\\\\b\\r\\n\\t\\u0001\x7F\"");
}

}  // namespace
}  // namespace zef::cli
