#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/derived_figures.h"
#include "app/fake_platform.h"
#include "app/message_text.h"
#include "binary/binary_fixture.h"
#include "binary/binary_writer.h"
#include "textformat/minimal_file.h"

namespace zef::app::testing {
namespace {

using model::FormatKind;
using model::PerBand;

// A set whose writer stored 33 as every half-width and Q.
std::unique_ptr<model::DataSet> CarryingSet() {
  auto set = binary::testing::FilledSet(FormatKind::Zef1);
  for (PerBand which : {PerBand::HalfWidthH1, PerBand::HalfWidthH2, PerBand::HalfWidthV1,
                        PerBand::HalfWidthV2, PerBand::AxialQ}) {
    std::ranges::fill(set->data.Array(which), 33.0f);
  }
  return set;
}

class BinaryFlow : public OpenFlowTest {
 protected:
  std::filesystem::path WriteBinary(const std::string& name, const model::DataSet& set,
                                    const binary::WriteOptions& options = {}) {
    std::string error;
    EXPECT_TRUE(binary::WriteBinaryFile(dir_.Path(name), set, options, error)) << error;
    return dir_.Path(name);
  }
};

TEST_F(BinaryFlow, WriterMarkAndVersionDecideWhetherTheFiguresAreRecomputed) {
  const std::tuple<std::uint32_t, std::string, bool> cases[] = {
      {0, "v1.0e", true}, {0, "v1.0f", false}, {0, "v1.0g", false},   {0, "v1.0", true},
      {0, "V1.0f", true}, {0, "\xDF", true},   {0, "\xDFv1.1", true}, {1, "v1.0e", false},
  };
  const auto carrying = CarryingSet();
  model::DataSet recomputed = *carrying;
  analysis::ComputeHalfWidths(recomputed.data);
  analysis::ComputeAxialQ(recomputed.data);
  for (const auto& [mark, version, older] : cases) {
    SCOPED_TRACE(::testing::Message() << mark << " '" << version << "'");
    binary::WriteOptions options;
    options.writerMark = mark;
    options.writerVersion = version;
    ASSERT_TRUE(Open(WriteBinary("box.ZF1", *carrying, options)).loaded);
    EXPECT_EQ(WrittenByOlderWriter(*holder_.LoadedHeader()), older);
    const model::DataRecord& data = holder_.Loaded()->data;
    const model::DataRecord& expected = older ? recomputed.data : carrying->data;
    for (PerBand which : {PerBand::HalfWidthH1, PerBand::AxialQ}) {
      EXPECT_TRUE(std::ranges::equal(data.Array(which), expected.Array(which)));
    }
    // The full widths always follow the half-widths the set holds.
    EXPECT_EQ(holder_.Figures().horizontalWidth[4],
              2.0f * std::min(expected.Array(PerBand::HalfWidthH1)[4],
                              expected.Array(PerBand::HalfWidthH2)[4]));
  }
}

TEST_F(BinaryFlow, LoadedBinaryIsValidWithItsMakerInTheStatusLine) {
  auto set = binary::testing::FilledSet(FormatKind::Zef2, 2);
  const auto path = WriteBinary("made-by.zf2", *set);
  const OpenOutcome outcome = Open(path);
  ASSERT_TRUE(outcome.loaded);
  EXPECT_TRUE(outcome.resetPolarSetup);
  EXPECT_EQ(platform_.boxes, std::vector<Box>{});
  EXPECT_TRUE(holder_.DataValid() && !holder_.LoadedFromText());
  EXPECT_EQ(std::tuple(holder_.StatusLine(), holder_.WindowTitle(), holder_.StatusPath()),
            std::tuple("File created by: Measured at the lab (3rd Party)",
                       "made-by.zf2 - ZEF reader/viewer", ShortenText(path.string(), 45)));
  EXPECT_EQ(holder_.Loaded()->impedance, model::ImpedanceFiguresOf(*set));
  EXPECT_EQ(holder_.Reference().maximum, analysis::ComputeSensitivityReference(*set).maximum);

  // A text loaded after it has no status line.
  ASSERT_TRUE(Open(dir_.Write("box.txt", textformat::testing::MinimalZef1())).loaded);
  EXPECT_EQ(holder_.StatusLine(), "");
}

TEST_F(BinaryFlow, FailedBinaryReadsLeaveEverythingAsItWas) {
  ASSERT_TRUE(Open(WriteBinary("first.ZF1", *CarryingSet())).loaded);
  const HolderSnapshot before(holder_);
  const auto text = dir_.Write("plain.txt", "<ZEF1>\r\n");
  EXPECT_EQ(OpenBinaryFile(text, holder_, {platform_, errors_, false}).readResult, 2);
  EXPECT_EQ(Lines(), std::vector<std::string>{"** Not a ZEF binary file: " + text.string()});

  binary::testing::Image image = binary::testing::RecordsOnly(*CarryingSet());
  dir_.Write("cut.ZF1",
             std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
  EXPECT_FALSE(Open(dir_.Path("cut.ZF1")).loaded);
  EXPECT_EQ(Lines(),
            binary::testing::FileError("file has insufficient data (missing file embed info)."));
  EXPECT_TRUE(before == HolderSnapshot(holder_));
}

TEST(ImpedanceFigures, LowestOverTheRangeReducedUpToTheUpperMidBand) {
  const std::tuple<FormatKind, std::vector<std::pair<int, float>>, float, float> cases[] = {
      {FormatKind::Zef1, {{1, 8.0f}, {7, 6.0f}, {8, 4.0f}}, 4.0f, 7.5f},
      {FormatKind::Zef1, {{8, 5.0f}, {9, 3.0f}}, 3.0f, 0.0f},
      {FormatKind::Zef2, {{23, 4.0f}, {24, 2.0f}}, 2.0f, 5.0f},
  };
  for (const auto& [kind, values, lowest, reduced] : cases) {
    model::DataSet set(kind);
    set.data.MinBand() = kind == FormatKind::Zef1 ? 1 : 3;
    set.data.MaxBand() = kind == FormatKind::Zef1 ? 9 : 29;
    const std::span<float> impedance = set.data.Array(PerBand::Impedance);
    std::ranges::fill(impedance, model::kNoData);
    impedance[0] = 1.0f;  // outside the range
    for (const auto& [band, z] : values) impedance[static_cast<std::size_t>(band)] = z;
    EXPECT_EQ(model::ImpedanceFiguresOf(set), (model::ImpedanceFigures{lowest, reduced}));
  }
}

}  // namespace
}  // namespace zef::app::testing
