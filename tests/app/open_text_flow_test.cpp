#include <gtest/gtest.h>

#include <cmath>

#include "analysis/directivity.h"
#include "app/fake_platform.h"
#include "minimal_variants.h"
#include "textformat/minimal_file.h"
#include "textformat/text_reader.h"
#include "textformat/text_writer.h"

namespace zef::app::testing {
namespace {

using model::PerBand;
using textformat::testing::MinimalZef1;

const Box kContainsErrors{'M',
                          "This file contains errors, please correct the data.####Data and "
                          "balloon is shown but a binary##distribution file can not be saved."};
constexpr int kFirstBand = 5;  // the minimal file's bands: 1 kHz and 2 kHz
constexpr int kLastBand = 6;

std::unique_ptr<model::DataSet> BareRead(const std::filesystem::path& path) {
  model::NullSink sink;
  return textformat::ReadTextFile(path, sink).set;
}

TEST_F(OpenFlowTest, CleanTextIsValidAndFromText) {
  const OpenOutcome outcome = Open(Write("quiet.txt", QuietZef1()));
  // ZEF1, as before anything was loaded: the polar setup stays.
  EXPECT_EQ(std::tuple(outcome.loaded, outcome.readResult, outcome.resetPolarSetup),
            std::tuple(true, 0, false));
  EXPECT_EQ(platform_.boxes, std::vector<Box>{});
  EXPECT_TRUE(holder_.DataValid() && holder_.LoadedFromText());
  EXPECT_EQ(holder_.Reference().maximum, 91.5f);
}

// The drawing is read when its cabinet is first drawn, not by the open: its
// failure is no line of the error list, and every load starts afresh.
TEST_F(OpenFlowTest, DxfIsLeftForTheFirstCabinetDrawing) {
  Write("cab.dxf", "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\nX\r\n");
  const auto text = Write("cab.txt", MinimalZef1("12.5",
                                                 "<CABINET>\t<DXF>\tcab.dxf\t<UNIT>\t<M>\t"
                                                 "<ORIGIN>\t0\t0\t0\n"));
  EXPECT_EQ(Open(text).readResult, 0);
  EXPECT_EQ(Lines(), std::vector<std::string>{});
  EXPECT_EQ(holder_.Dxf().Ensure(*holder_.LoadedForDrawing(), nullptr),
            cabinet::DxfLoadStatus::kFailed);
  EXPECT_EQ(holder_.Dxf().DialogText(), "Bad LINE coordinate value - line no 8");
  Open(text);
  EXPECT_EQ(std::pair(holder_.Dxf().DialogText(), holder_.Dxf().DialogOpen()),
            std::pair(std::string(), false));
}

TEST_F(OpenFlowTest, TextWithErrorsIsShownNotValidAndNotChecked) {
  // The flat impedance of the minimal file would make the check ask.
  EXPECT_EQ(Open(Write("errors.txt", WithoutModelName(MinimalZef1()))).readResult, 1);
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{"Error on line:    3", " <MODELNAME> value expected"}));
  EXPECT_EQ(platform_.boxes, std::vector<Box>{kContainsErrors});
  EXPECT_FALSE(holder_.DataValid());
  // The figures are there all the same.
  EXPECT_GT(holder_.Loaded()->data.Array(PerBand::AxialQ)[kFirstBand], 1.0f);
  EXPECT_GT(holder_.Figures().horizontalWidth[kFirstBand], 0.0f);
}

// Arc 0 ends at 0 dB at the rear, every other arc at -20 dB: the check asks
// whether to substitute the power average, and only the substituted rear
// point may reach the axial Q (arc 0's rear point is a pole of its sum).
class RearPointOrder : public OpenFlowTest {
 protected:
  void SetUp() override {
    std::unique_ptr<model::DataSet> set = BareRead(Write("quiet.txt", QuietZef1()));
    ASSERT_TRUE(set);
    set->info->radiation = model::Radiation::FullSphere;
    for (int band = kFirstBand; band <= kLastBand; ++band) {
      for (int arc = 0; arc < 36; ++arc) {
        const std::span<float> points = set->data.Arc(band, arc);
        for (int p = 0; p < 18; ++p) points[p] = -0.5f * static_cast<float>(p);
        points[18] = arc == 0 ? 0.0f : -20.0f;
      }
    }
    path_ = Write("rear.txt", textformat::WriteText(*set));
  }

  // The read set with the flow's figures, its rear points first replaced by
  // their power average when `substituted`.
  model::DataSet Expected(bool substituted) const {
    model::DataSet set = *BareRead(path_);
    for (int band = kFirstBand; substituted && band <= kLastBand; ++band) {
      double sum = 0;
      for (int arc = 0; arc < 36; ++arc) sum += std::pow(10.0, 0.1 * set.data.Arc(band, arc)[18]);
      for (int arc = 0; arc < 36; ++arc) set.data.Arc(band, arc)[18] = 10.0f * std::log10(sum / 36);
    }
    analysis::ComputeHalfWidths(set.data);
    analysis::ComputeAxialQ(set.data);
    return set;
  }

  void ExpectLoadedLike(const model::DataSet& expected) const {
    const model::DataRecord& data = holder_.Loaded()->data;
    for (int band = kFirstBand; band <= kLastBand; ++band) {
      for (int arc = 0; arc < 36; arc += 7) {
        EXPECT_NEAR(data.Arc(band, arc)[18], expected.data.Arc(band, arc)[18], 1e-4);
      }
      const float q = expected.data.Array(PerBand::AxialQ)[band];
      EXPECT_NEAR(data.Array(PerBand::AxialQ)[band], q, 1e-5 * q);
      EXPECT_EQ(data.Array(PerBand::HalfWidthV1)[band], 120.0f);
    }
  }

  const Box rearQuestion_{'Q',
                          "After on-axis normalization the rear values##for 2 bands differ with > "
                          "2.0 dB between arcs##(up to 20.00 dB).####Substitute the power "
                          "average of all arcs?"};
  std::filesystem::path path_;
};

TEST_F(RearPointOrder, FiguresSeeTheSubstitutedRearPoints) {
  const model::DataSet substituted = Expected(true);
  platform_.answers = {true};
  ASSERT_TRUE(Open(path_).loaded);
  EXPECT_EQ(platform_.boxes, std::vector<Box>{rearQuestion_});
  EXPECT_TRUE(holder_.DataValid());
  ExpectLoadedLike(substituted);
  EXPECT_EQ(holder_.Figures().verticalWidth[kFirstBand], 240.0f);
  EXPECT_EQ(holder_.Figures().offAxisClass[kFirstBand], 0);
}

TEST_F(RearPointOrder, NoSubstitutionWhenTheCheckStopsBeforeIt) {
  platform_.answers = {false};
  ASSERT_TRUE(Open(path_).loaded);
  EXPECT_EQ(platform_.boxes, (std::vector<Box>{rearQuestion_, kContainsErrors}));
  EXPECT_FALSE(holder_.DataValid());
  ExpectLoadedLike(Expected(false));
}

TEST_F(OpenFlowTest, FailedOpensLeaveEverythingAsItWas) {
  Open(Write("errors.txt", WithoutModelName(QuietZef1())));
  ASSERT_EQ(Lines().size(), 2u);
  ASSERT_TRUE(Open(Write("quiet.txt", QuietZef1())).loaded);
  EXPECT_TRUE(Lines().empty());  // emptied before each open
  const HolderSnapshot before(holder_);

  EXPECT_FALSE(Open(Write("broken.txt", "<ZEF9>\r\n")).loaded);
  EXPECT_EQ(Lines(), std::vector<std::string>{"file type <ZEF1> or <ZEF2> missing on line 1"});
  const OpenOutcome other = Open(Write("cut.txt", "<ZEF2>\r\n<VERSION>\t1\r\n"));
  EXPECT_FALSE(other.loaded);
  EXPECT_TRUE(other.resetPolarSetup);  // line 1 named the other kind
  EXPECT_EQ(Open(dir_.Path("absent.txt")).readResult, 2);
  EXPECT_EQ(platform_.boxes, (std::vector<Box>{{'M', "** File does not exist **"}}));
  EXPECT_TRUE(before == HolderSnapshot(holder_));
}

}  // namespace
}  // namespace zef::app::testing
