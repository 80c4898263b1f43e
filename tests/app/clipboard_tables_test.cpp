#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/clipboard_tables.h"
#include "app/fake_platform.h"

namespace zef::app {
namespace {

using model::FormatKind;
using model::PerBand;
using testing::SetBands;
using testing::SheetSet;

std::string Tabs(int n) {
  return std::string(static_cast<std::size_t>(n), '\t');
}

TEST(SensitivityTable, OctavesSitBetweenEmptyCells) {
  model::DataSet set = SheetSet(FormatKind::Zef1, 2, 3);
  SetBands(set, PerBand::Sensitivity, 2, {90.0f, 91.54f});
  // 63 Hz is outside the range: its cell is empty, its tabs stay.
  const std::string expected =
      "\"Acme\"\t\"Box 1\"" + Tabs(3) + "\t\t90.0\t" + "\t\t91.5\t" + Tabs(18) + "\t\t\"box.ZF1\"";
  EXPECT_EQ(SensitivityTable(set, "/data/box.ZF1", false), expected);
  EXPECT_EQ(SensitivityTable(set, "C:\\data\\box.ZF1", false), expected);
}

TEST(SensitivityTable, ThirdsFrom50HzWithDecimalComma) {
  model::DataSet set = SheetSet(FormatKind::Zef2, 5, 6);
  SetBands(set, PerBand::Sensitivity, 5, {87.5f, model::kNoData});
  // 50 and 63 Hz lie below the range; 80 Hz has no value.
  const std::string tail = Tabs(23) + "\t\t\"col.ZF2\"";
  EXPECT_EQ(SensitivityTable(set, "col.ZF2", false), "\"Acme\"\t\"Box 1\"\t\t\t87.5\t-" + tail);
  EXPECT_EQ(SensitivityTable(set, "col.ZF2", true), "\"Acme\"\t\"Box 1\"\t\t\t87,5\t-" + tail);
}

TEST(AxialSpectrumTable, BandNamesThenValuesAndTheFileName) {
  model::DataSet set = SheetSet(FormatKind::Zef1, 1, 9);
  for (int i = 0; i < 30; ++i) set.info->axialSpectrum[i] = 80.0f + static_cast<float>(i) * 0.5f;
  set.info->axialSpectrum[0] = model::kNoData;
  set.info->axialSpectrum[29] = -10000.0f;
  const std::string header =
      "\t\t\"25\"\t\"31.5\"\t\"40\"\t\"50\"\t\"63\"\t\"80\"\t\"100\"\t\"125\"\t\"160\"\t\"200\""
      "\t\"250\"\t\"315\"\t\"400\"\t\"500\"\t\"630\"\t\"800\"\t\"1k\"\t\"1.25k\"\t\"1.6k\"\t\"2k\""
      "\t\"2.5k\"\t\"3.15k\"\t\"4k\"\t\"5k\"\t\"6.3k\"\t\"8k\"\t\"10k\"\t\"12."
      "5k\"\t\"16k\"\t\"20k\"\r\n";
  const std::string values =
      "\"Acme\"\t\"Box 1\"\t-\t80.5\t81.0\t81.5\t82.0\t82.5\t83.0\t83.5\t84.0\t84.5\t85.0\t85.5"
      "\t86.0\t86.5\t87.0\t87.5\t88.0\t88.5\t89.0\t89.5\t90.0\t90.5\t91.0\t91.5\t92.0\t92.5"
      "\t93.0\t93.5\t94.0\t-\t\t\"box.ZF1\"";
  EXPECT_EQ(AxialSpectrumTable(set, "/data/box.ZF1", false), header + values);

  // Only the numbers take the comma; band names and the file name keep their points.
  std::string comma = values;
  const std::size_t numbersEnd = comma.find("\t\t\"box");
  std::replace(comma.begin(), comma.begin() + static_cast<std::ptrdiff_t>(numbersEnd), '.', ',');
  EXPECT_EQ(AxialSpectrumTable(set, "/data/box.ZF1", true), header + comma);
}

TEST(ClipboardTables, OfferedForValidBinaryDataOnly) {
  model::DataSet set = SheetSet(FormatKind::Zef2, 3, 29);
  // Sensitivity, axial spectrum: valid, from text.
  const auto offered = [&](bool valid, bool fromText) {
    return std::pair{SensitivityTableAvailable(set, valid, fromText),
                     AxialSpectrumTableAvailable(set, valid, fromText)};
  };
  EXPECT_EQ(offered(true, false), std::pair(true, false));
  set.info->presenceFlags |= model::presence::kAxialSpectrum;
  EXPECT_EQ(offered(true, false), std::pair(true, true));
  EXPECT_EQ(offered(true, true), std::pair(false, false));
  EXPECT_EQ(offered(false, false), std::pair(false, false));
  set.info->type = model::SpeakerType::Powered;
  EXPECT_EQ(offered(true, false), std::pair(false, true));
}

}  // namespace
}  // namespace zef::app
