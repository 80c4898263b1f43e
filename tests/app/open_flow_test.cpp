#include <gtest/gtest.h>

#include <cstdio>

#include "analysis/directivity.h"
#include "app/derived_figures.h"
#include "app/fake_platform.h"
#include "app/message_text.h"
#include "app/open_flow.h"
#include "binary/binary_fixture.h"
#include "binary/binary_writer.h"
#include "case_file.h"
#include "minimal_variants.h"
#include "textformat/minimal_file.h"
#include "textformat/text_reader.h"
#include "textformat/text_writer.h"
#include "wav/wav_image.h"

namespace zef::app::testing {
namespace {

using model::PerBand;
using textformat::testing::MinimalZef1;

constexpr int kFirstBand = 5;  // the minimal file's bands: 1 kHz and 2 kHz
constexpr int kLastBand = 6;

std::string F(double v, const char* format = "%.3f") {
  char text[32];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

// What the holder shows, copied so that a later open can be compared with it.
auto Snapshot(const DataSetHolder& h) {
  return std::tuple(*h.Loaded(), h.Figures().horizontalWidth, h.Figures().verticalMaxAngle,
                    h.StatusLine(), h.StatusPath(), h.WindowTitle(), h.DataValid(),
                    h.LoadedFromText(), h.LoadedHeader().has_value());
}

// Opens files in turn and writes down what each open did to the holder, the
// boxes and the error list (the scratch folder shown as "<tmp>").
class OpenFlows : public ::testing::Test {
 protected:
  OpenOutcome Open(const std::filesystem::path& path) {
    platform_.boxes.clear();
    return OpenDataFile(path, holder_, {platform_, errors_, false});
  }
  std::vector<std::string> Lines() const {
    return {errors_.Lines().begin(), errors_.Lines().end()};
  }
  void Step(const std::string& what, const OpenOutcome& o) {
    text_ += "== " + what + "\nloaded " + std::to_string(o.loaded) + ", read " +
             std::to_string(o.readResult) + ", reset polar " + std::to_string(o.resetPolarSetup) +
             "\n";
    for (const std::string& box : platform_.boxes) text_ += box + "\n";
    for (const std::string& line : Lines()) text_ += "line: " + line + "\n";
    const DataSetHolder& h = holder_;
    if (!h.IsLoaded()) return;
    const auto& data = h.Loaded()->data;
    text_ += "holder: valid " + std::to_string(h.DataValid()) + ", from text " +
             std::to_string(h.LoadedFromText()) + ", title " + h.WindowTitle() + ", status \"" +
             h.StatusLine() + "\"\nband 5: Q " + F(data.Array(PerBand::AxialQ)[5]) + ", width " +
             F(h.Figures().horizontalWidth[5]) + ", reference max " + F(h.Reference().maximum) +
             ", impedance " + F(h.Loaded()->impedance.lowest) + " " +
             F(h.Loaded()->impedance.reducedLowest) + "\ncabinet: info file " +
             std::to_string(h.Loaded()->cabinet.infoFile.Size()) + " bytes, edges " +
             std::to_string(h.Loaded()->cabinet.edges.size()) + "\n";
  }
  std::filesystem::path WriteBinary(const std::string& name, const model::DataSet& set,
                                    const binary::WriteOptions& options = {}) {
    std::string error;
    EXPECT_TRUE(binary::WriteBinaryFile(dir_.Path(name), set, options, error)) << error;
    return dir_.Path(name);
  }
  void ExpectGolden(const char* name) {
    ReplaceAll(text_, dir_.Path("").string(), "<tmp>/");
    zef::testing::ExpectGolden(std::string("app/golden/") + name, text_);
  }
  wav::testing::TempDir dir_;
  DesktopFake platform_;
  ListWindowLines errors_{ListWindowLines::kErrorRules};
  DataSetHolder holder_;
  std::string text_;
};

TEST_F(OpenFlows, TextFiles) {
  Step("clean text, as before anything was loaded: the polar setup stays",
       Open(dir_.Write("quiet.txt", QuietZef1())));
  // The flat impedance of the minimal file would make the check ask.
  Step("errors: shown, not valid and not checked, the figures there all the same",
       Open(dir_.Write("errors.txt", WithoutModelName(MinimalZef1()))));
  Step("errors again", Open(dir_.Write("errors.txt", WithoutModelName(QuietZef1()))));
  Step("the error list is emptied before each open", Open(dir_.Path("quiet.txt")));
  const auto before = Snapshot(holder_);
  Step("a failed open", Open(dir_.Write("broken.txt", "<ZEF9>\r\n")));
  Step("line 1 named the other kind", Open(dir_.Write("cut.txt", "<ZEF2>\r\n<VERSION>\t1\r\n")));
  Step("no file", Open(dir_.Path("absent.txt")));
  EXPECT_TRUE(before == Snapshot(holder_));

  dir_.Write("Info.TXT", "About this box");
  std::string good = MinimalZef1("12.5",
                                 "<CABINET>\t<RECTANGULAR>\t-0.2\t0\t-0.1\t0.1\t-0.3\t0.3\n"
                                 "<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\n"
                                 "0\t0\t0\t1\t1\t1\t<RGB>\t255\t0\t0\n");
  good.replace(good.find("<INFOFILE>\t"), 11, "<INFOFILE>\tinfo.txt");
  std::string bad = good;
  Step("a cabinet and an info file", Open(dir_.Write("good.txt", good)));
  const model::DataSet loaded = *holder_.Loaded();
  Step("a failed read leaves the loaded set untouched",
       Open(dir_.Write("bad.txt", bad.replace(bad.find("<BAND>\t2k"), 9, "<BAND>\t4k"))));
  EXPECT_TRUE(*holder_.Loaded() == loaded);
  EXPECT_EQ(holder_.Loaded()->cabinet.infoFile.bytes, loaded.cabinet.infoFile.bytes);
  // The drawing is read when its cabinet is first drawn, not by the open: its
  // failure is no line of the error list, and every load starts afresh.
  dir_.Write("cab.dxf", "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\nX\r\n");
  const auto cab = dir_.Write(
      "cab.txt",
      MinimalZef1("12.5", "<CABINET>\t<DXF>\tcab.dxf\t<UNIT>\t<M>\t<ORIGIN>\t0\t0\t0\n"));
  Step("a DXF cabinet", Open(cab));
  const auto status = holder_.Dxf().Ensure(*holder_.LoadedForDrawing(), nullptr);
  text_ += "first drawn: " + std::to_string(status == cabinet::DxfLoadStatus::kFailed) +
           " failed, " + holder_.Dxf().DialogText() + "\n";
  Step("the same again", Open(cab));
  text_ += "before it is drawn: \"" + holder_.Dxf().DialogText() + "\", shown " +
           std::to_string(holder_.Dxf().DialogOpen()) + "\n";
  ExpectGolden("open_text_files.txt");
}

TEST_F(OpenFlows, BinaryFiles) {
  // The writer's mark and version decide whether the figures are recomputed;
  // the full widths always follow the half-widths the set holds.
  const auto carrying = binary::testing::FilledSet(model::FormatKind::Zef1);
  for (PerBand which : {PerBand::HalfWidthH1, PerBand::HalfWidthH2, PerBand::HalfWidthV1,
                        PerBand::HalfWidthV2, PerBand::AxialQ}) {
    std::ranges::fill(carrying->data.Array(which), 33.0f);  // as the writer stored them
  }
  model::DataSet recomputed = *carrying;
  analysis::ComputeHalfWidths(recomputed.data);
  analysis::ComputeAxialQ(recomputed.data);
  const auto same = [&](const model::DataSet& s) {
    const model::DataRecord& d = holder_.Loaded()->data;
    return std::ranges::equal(d.Array(PerBand::HalfWidthH1), s.data.Array(PerBand::HalfWidthH1)) &&
           std::ranges::equal(d.Array(PerBand::AxialQ), s.data.Array(PerBand::AxialQ));
  };
  for (const std::string entry : {"0 v1.0e", "0 v1.0f", "0 v1.0g", "0 v1.0", "0 V1.0f", "0 \xDF",
                                  "0 \xDFv1.1", "1 v1.0e"}) {  // writer mark and version
    binary::WriteOptions options;
    options.writerMark = entry[0] == '1';
    options.writerVersion = entry.substr(2);
    const OpenOutcome o = Open(WriteBinary("box.ZF1", *carrying, options));
    std::string shown;
    for (const unsigned char c : entry)
      shown += c < 0x80 ? std::string(1, c) : "<" + std::to_string(c) + ">";
    Step(shown + ": older " + std::to_string(WrittenByOlderWriter(*holder_.LoadedHeader())) + ", " +
             (same(recomputed)  ? "recomputed"
              : same(*carrying) ? "carried"
                                : "neither"),
         o);
  }
  auto set = binary::testing::FilledSet(model::FormatKind::Zef2, 2);
  const auto path = WriteBinary("made-by.zf2", *set);
  Step("a binary is valid, with its maker in the status line", Open(path));
  EXPECT_EQ(holder_.StatusPath(), ShortenText(path.string(), 45));
  EXPECT_EQ(holder_.Loaded()->impedance, model::ImpedanceFiguresOf(*set));
  EXPECT_EQ(holder_.Reference().maximum, analysis::ComputeSensitivityReference(*set).maximum);
  Step("a text after it has no status line", Open(dir_.Write("box.txt", MinimalZef1())));

  ASSERT_TRUE(Open(WriteBinary("first.ZF1", *carrying)).loaded);
  const auto before = Snapshot(holder_);
  Step("a text read as a binary",
       OpenBinaryFile(dir_.Write("plain.txt", "<ZEF1>\r\n"), holder_, {platform_, errors_, false}));
  const binary::testing::Image image = binary::testing::RecordsOnly(*carrying);
  dir_.Write("cut.ZF1",
             std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
  Step("a binary cut short", Open(dir_.Path("cut.ZF1")));
  EXPECT_TRUE(before == Snapshot(holder_));
  ExpectGolden("open_binary_files.txt");
}

TEST(ImpedanceFigures, LowestOverTheRangeReducedUpToTheUpperMidBand) {
  using model::FormatKind;
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

// Arc 0 ends at 0 dB at the rear, every other arc at -20 dB: the check asks
// whether to substitute the power average, and only the substituted rear
// point may reach the axial Q (arc 0's rear point is a pole of its sum).
TEST_F(OpenFlows, RearPointsAreSubstitutedBeforeTheFigures) {
  model::NullSink sink;
  const auto set = textformat::ReadTextFile(dir_.Write("quiet.txt", QuietZef1()), sink).set;
  ASSERT_TRUE(set);
  set->info->radiation = model::Radiation::FullSphere;
  for (int band = kFirstBand; band <= kLastBand; ++band) {
    for (int arc = 0; arc < 36; ++arc) {
      const std::span<float> points = set->data.Arc(band, arc);
      for (int p = 0; p < 18; ++p) points[p] = -0.5f * static_cast<float>(p);
      points[18] = arc == 0 ? 0.0f : -20.0f;
    }
  }
  const auto path = dir_.Write("rear.txt", textformat::WriteText(*set));
  for (const bool yes : {true, false}) {
    platform_.answers = {yes};
    Step(yes ? "substituted" : "not substituted: the check stops before it", Open(path));
    const model::DataRecord& data = holder_.Loaded()->data;
    for (int band = kFirstBand; band <= kLastBand; ++band) {
      text_ += "band " + std::to_string(band) + ": rear points";
      for (int arc = 0; arc < 36; arc += 7) text_ += " " + F(data.Arc(band, arc)[18]);
      text_ += ", Q " + F(data.Array(PerBand::AxialQ)[band], "%.6g") + ", half-width V " +
               F(data.Array(PerBand::HalfWidthV1)[band]) + ", vertical width " +
               F(holder_.Figures().verticalWidth[band]) + ", off axis " +
               std::to_string(holder_.Figures().offAxisClass[band]) + "\n";
    }
  }
  ExpectGolden("open_rear_points.txt");
}

}  // namespace
}  // namespace zef::app::testing
