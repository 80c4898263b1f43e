#include "app/clipboard_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "app/fake_platform.h"
#include "case_file.h"

namespace zef::app {
namespace {

using model::FormatKind;
using model::PerBand;
using testing::SetBands;
using testing::SheetSet;

// A table with its tabs shown as "|" and a carriage return as "<CR>".
std::string Shown(const std::string& table) {
  std::string out;
  for (const char c : table) out += c == '\t' ? "|" : c == '\r' ? "<CR>" : std::string(1, c);
  return out + "\n";
}

TEST(ClipboardTables, SensitivityAndAxialSpectrum) {
  std::string text = "== ZEF1, 63 Hz outside the range: its cell is empty, its tabs stay\n";
  model::DataSet set = SheetSet(FormatKind::Zef1, 2, 3);
  SetBands(set, PerBand::Sensitivity, 2, {90.0f, 91.54f});
  text += Shown(SensitivityTable(set, "/data/box.ZF1", false));
  text += Shown(SensitivityTable(set, "C:\\data\\box.ZF1", false));
  text += "== ZEF2 thirds from 50 Hz; 80 Hz has no value; decimal comma\n";
  set = SheetSet(FormatKind::Zef2, 5, 6);
  SetBands(set, PerBand::Sensitivity, 5, {87.5f, model::kNoData});
  text += Shown(SensitivityTable(set, "col.ZF2", false));
  text += Shown(SensitivityTable(set, "col.ZF2", true));
  text += "== axial spectrum: band names, values, the file name; only numbers take the comma\n";
  set = SheetSet(FormatKind::Zef1, 1, 9);
  for (int i = 0; i < 30; ++i) set.info->axialSpectrum[i] = 80.0f + static_cast<float>(i) * 0.5f;
  set.info->axialSpectrum[0] = model::kNoData;
  set.info->axialSpectrum[29] = -10000.0f;
  text += Shown(AxialSpectrumTable(set, "/data/box.ZF1", false));
  text += Shown(AxialSpectrumTable(set, "/data/box.ZF1", true));
  zef::testing::ExpectGolden("app/golden/clipboard_tables.txt", text);
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
