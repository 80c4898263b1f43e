#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/derived_figures.h"
#include "command_fixture.h"

namespace zef::cli::testing {
namespace {

namespace fs = std::filesystem;
using model::PerBand;

using ExportCommands = CommandTest;

std::vector<std::vector<std::string>> CsvRows(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream lines(path);
  for (std::string line; std::getline(lines, line);) {
    rows.emplace_back();
    std::istringstream cells(line + ",");
    for (std::string cell; std::getline(cells, cell, ',');) rows.back().push_back(cell);
  }
  return rows;
}

float Cell(const std::string& text) {
  return text.empty() ? model::kNoData : std::strtof(text.c_str(), nullptr);
}

TEST_F(ExportCommands, CsvTablesReadBackToTheLoadedValues) {
  const std::string sample = (fs::path(ZEF_SAMPLES_DIR) / "coax-zef2-v2.txt").string();
  ASSERT_EQ(Run(RunExport, {"--csv", "@tables", sample}), 0) << err_.str();
  EXPECT_EQ(err_.str(), "zef export: wrote " + Path("tables") + "\n");
  const app::DataSetHolder holder = Opened(sample);
  ASSERT_TRUE(holder.Loaded());
  const model::DataSet& set = *holder.Loaded();
  const int first = static_cast<int>(set.data.MinBand());
  const int bands = static_cast<int>(set.data.MaxBand()) - first + 1;

  const auto balloon = CsvRows(Path("tables/balloon.csv"));
  ASSERT_EQ(balloon.size(), 1u + static_cast<std::size_t>(bands) * 72 * 37);
  EXPECT_EQ(balloon[0].size(), 7u);
  for (std::size_t row = 1; row < balloon.size(); ++row) {
    const auto& cells = balloon[row];
    const int band = first + static_cast<int>((row - 1) / (72 * 37));
    const int arc = std::stoi(cells[1]);
    const int point = std::stoi(cells[2]);
    ASSERT_EQ(cells[3], std::to_string(arc * 5));
    ASSERT_EQ(cells[4], std::to_string(point * 5));
    ASSERT_EQ(Cell(cells[5]), set.data.Arc(band, arc)[point]) << row;
    ASSERT_EQ(Cell(cells[6]), set.phase->balloon[band][arc][point]) << row;
  }
  const auto horizontal = CsvRows(Path("tables/polar_horizontal.csv"));
  ASSERT_EQ(horizontal.size(), 1u + 73);
  EXPECT_EQ(horizontal[0][1], "63 Hz (dB)");
  for (std::size_t row = 1; row < horizontal.size(); ++row) {
    const int angle = std::stoi(horizontal[row][0]);
    for (int b = 0; b < bands; ++b) {
      ASSERT_EQ(Cell(horizontal[row][b + 1]),
                set.data.Arc(first + b, angle >= 0 ? 18 : 54)[std::abs(angle) / 5]);
    }
  }
  const auto rows = CsvRows(Path("tables/bands.csv"));
  ASSERT_EQ(rows.size(), 1u + bands);
  for (int b = 0; b < bands; ++b) {
    const auto& cells = rows[b + 1];
    EXPECT_EQ(Cell(cells[2]), set.data.Array(PerBand::Sensitivity)[first + b]);
    EXPECT_EQ(Cell(cells[3]), set.data.Array(PerBand::Impedance)[first + b]);
    EXPECT_EQ(Cell(cells[8]), holder.Figures().horizontalWidth[first + b]);
    EXPECT_EQ(Cell(cells[10]), set.data.Array(PerBand::AxialQ)[first + b]);
  }
}

}  // namespace
}  // namespace zef::cli::testing
