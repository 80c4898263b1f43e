#include <gtest/gtest.h>

#include "binary/binary_writer.h"
#include "cli/json_dump.h"
#include "command_fixture.h"
#include "model/fixed_text.h"

namespace zef::cli::testing {
namespace {

using model::FormatKind;

model::DataSet SmallZef1() {
  model::DataSet set(FormatKind::Zef1);
  model::SetText(set.info->modelName, "Box \xE9");
  set.info->weight = -1.0f;
  set.data.MinBand() = 1;
  set.data.MaxBand() = 9;
  set.data.Array(model::PerBand::Impedance)[2] = model::kNoData;
  set.info->cabinetFlags = model::cabinet_flag::kEdges | model::cabinet_flag::kFaces;
  set.cabinet.AddEdge(set.cabinet.edges, 1, {1, 1, 1}, {0, 0, 0});
  set.cabinet.AddEdge(set.cabinet.edges, 2, {2, 2, 2}, {0, 0, 0});
  model::Face face = model::CabinetGeometry::BeginFace();
  for (const float x : {0.0f, 1.0f, 0.5f}) set.cabinet.AddVertex({x, 0, 0.25f}, face);
  face.colour = 7;
  model::CabinetGeometry::AddFace(std::move(face), set.cabinet.faces);
  set.cabinet.infoFile.kind = model::EmbeddedKind::Pdf;
  set.cabinet.infoFile.bytes.assign(5, 0);
  return set;
}

// Each key of the space-separated list found after the one before it.
void ExpectKeysInOrder(const std::string& json, const std::string& keys) {
  std::size_t at = 0;
  std::istringstream list(keys);
  for (std::string key; list >> key;) {
    at = json.find("\"" + key + "\":", at);
    ASSERT_NE(at, std::string::npos) << key;
  }
}

TEST(JsonDump, OctaveSetWithEveryKeyInItsPlaceAndCabinetListsNewestFirst) {
  const std::string json = DataSetJson(SmallZef1(), {1, false}, false);
  ExpectKeysInOrder(
      json,
      "format version draft result dataValid info modelName manufacturer description webSite "
      "colors mounting weight measurementContact measurementEmail measurementDate fileDate "
      "measurementNote measurementEnvironment measurementDistance type typeInfo presenceFlags "
      "sensitivityInfo impedanceInfo maxInputKind maxInputValue maxInputMethod methodInfo "
      "customSpectrum meanImpedance axialSpectrum axialSpectrumInfo radiation symmetry "
      "balloonRef cabinetFlags rectangular trapezoidal dxfUnit dxfOrigin onAxisCode upCode "
      "author creatorCategory bands perBand inputVoltage sensitivity impedance halfWidthH1 "
      "halfWidthH2 halfWidthV1 halfWidthV2 axialQ onAxisLevels balloon phase filter system "
      "cabinet");
  EXPECT_TRUE(json.starts_with("{\"format\":\"ZEF1\",\"version\":1,\"draft\":0,\"result\":1,"
                              "\"dataValid\":false,\"info\":{\"modelName\":\"Box \xC3\xA9\","));
  for (const char* part :
       {R"("weight":-1,)", R"("bands":{"min":1,"max":9})",
        R"("impedance":[0,0,-12000,0,0,0,0,0,0,0])", R"("phase":null,"filter":null,"system":null,)",
        R"("cabinet":{"edges":[[0,0,0,2,2,2,2],[0,0,0,1,1,1,1]],)"
        R"("faces":[{"colour":7,"vertices":[[0,0,0.25],[1,0,0.25],[0.5,0,0.25]]}],)"
        R"("faceEdges":[],"dxfEdges":[],"dxfFaces":[],)"
        R"("infoFile":{"kind":2,"size":5},"dxf":{"kind":0,"size":0}}})"}) {
    EXPECT_NE(json.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(json.back(), '\n');
  // 10 bands of 36 arcs of 19 points.
  const std::string zeroArc = "[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]";
  std::size_t arcs = 0;
  for (std::size_t at = json.find(zeroArc, json.find(R"("balloon":)")); at != std::string::npos;
       at = json.find(zeroArc, at + 1)) {
    ++arcs;
  }
  EXPECT_EQ(arcs, 360u);
}

TEST(JsonDump, PhaseFilterAndSystemOfAVersionTwoSet) {
  model::DataSet set(FormatKind::Zef2);
  set.version = 2;
  set.systemPart.referencePoint[0] = 0.125f;
  model::SetText(set.systemPart.referenceText, "baffle");
  set.systemPart.part = 1;
  set.systemPart.parts = 2;
  set.phase = std::make_unique<model::PhaseBlock>();
  set.phase->sensitivity[29] = 3.14159274f;
  set.filter = std::make_unique<model::FilterDescriptor>();
  set.filter->kind = model::FilterKind::FirWav;
  set.filter->taps = {0.5f, -0.25f};
  set.filter->sampleRate = 48000;
  // Blocks without phase data are shown as a binary of the same set has them: absent.
  EXPECT_NE(DataSetJson(set, {0, true}, false).find(R"("phase":null,"filter":null,)"),
            std::string::npos);
  set.info->presenceFlags |= model::presence::kPhaseData;
  const std::string json = DataSetJson(set, {0, true}, false);
  EXPECT_NE(json.find(R"(,3.1415927]},"filter":{"kind":2,"real":[],"imag":[],"taps":[0.5,-0.25],)"
                      R"("rate":48000},"system":{"mr":[0.125,0,0],"mrText":"baffle","part":1,)"
                      R"("parts":2,"partText":""},)"),
            std::string::npos);
  // Version 1: no system part to show.
  set.version = 1;
  EXPECT_NE(DataSetJson(set, {0, true}, false).find(R"("system":null)"), std::string::npos);
}

TEST_F(CommandTest, DumpArgumentsAndExitStatus) {
  std::string error;
  ASSERT_TRUE(binary::WriteBinaryFile(Path("box.ZF1"), SmallZef1(), {}, error)) << error;
  const std::string usage = "zef dump: usage: zef dump --json [--pretty] FILE\n";
  EXPECT_EQ(Run(RunDump, {"@box.ZF1"}), kUsageError);
  EXPECT_EQ(err_.str(), usage);
  EXPECT_EQ(Run(RunDump, {"--json", "a.zf1", "b.zf1"}), kUsageError);
  EXPECT_EQ(err_.str(), "zef dump: unexpected argument 'b.zf1'\n" + usage);
  EXPECT_EQ(Run(RunDump, {"--json", "--pretty", "@box.ZF1"}), 0);
  EXPECT_TRUE(out_.str().starts_with("{\n  \"format\": \"ZEF1\",\n  \"version\": 1,\n"));
  EXPECT_NE(out_.str().find("\"dataValid\": true,"), std::string::npos);
  EXPECT_EQ(Run(RunDump, {"--json", "@gone.zf1"}), 2);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), "Failed to open file:\n(" + Path("gone.ZF1") + ")\n");
}

}  // namespace
}  // namespace zef::cli::testing
