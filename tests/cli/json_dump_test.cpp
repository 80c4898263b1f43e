#include <gtest/gtest.h>

#include "cli/json_dump.h"
#include "model/fixed_text.h"

namespace zef::cli::testing {
namespace {

using model::FormatKind;

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

}  // namespace
}  // namespace zef::cli::testing
