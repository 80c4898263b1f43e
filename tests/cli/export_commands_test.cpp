#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/derived_figures.h"
#include "binary/binary_writer.h"
#include "command_fixture.h"

namespace zef::cli::testing {
namespace {

namespace fs = std::filesystem;
using model::PerBand;

using ExportCommands = CommandTest;

std::string Slurp(const fs::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells(1);
    for (const char c : line) {
      if (c == ',') {
        cells.emplace_back();
      } else {
        cells.back().push_back(c);
      }
    }
    rows.push_back(cells);
  }
  return rows;
}

float Cell(const std::string& text) {
  return text.empty() ? model::kNoData : std::strtof(text.c_str(), nullptr);
}

// An omnidirectional ZEF1 binary of bands 1 and 2, the second without sensitivity.
std::string OmniBinary(const std::string& path) {
  model::DataSet set(model::FormatKind::Zef1);
  set.data.MinBand() = 1;
  set.data.MaxBand() = 2;
  set.data.Array(PerBand::Sensitivity)[1] = 90.0f;
  set.data.Array(PerBand::Sensitivity)[2] = model::kNoData;
  std::string error;
  EXPECT_TRUE(binary::WriteBinaryFile(path, set, {}, error)) << error;
  return path;
}

TEST_F(ExportCommands, CurvesOfAnOmnidirectionalSet) {
  const std::string file = OmniBinary(Path("omni.ZF1"));
  ASSERT_EQ(Run(RunCurves, {file, "--csv"}), 0) << err_.str();
  EXPECT_EQ(out_.str(),
            "Frequency (Hz),Levels,On Axis (dB),Listening Window (dB),Early Reflections (dB),"
            "Floor Bounce (dB),Ceiling Bounce (dB),Front Wall (dB),Side Wall (dB),Rear Wall (dB),"
            "Sound Power (dB),Estimated In-Room Response (dB),ERDI (dB),SPDI (dB)\n"
            "63,absolute,90,90,90,90,90,90,90,90,90,90,0,0\n"
            "125,relative to on-axis,0,0,0,0,0,0,0,0,0,0,0,0\n");
  ASSERT_EQ(Run(RunCurves, {file}), 0);
  EXPECT_TRUE(
      out_.str().starts_with("63 Hz, absolute levels\n"
                             "  On Axis                         90.0 dB\n"));
  EXPECT_NE(out_.str().find("125 Hz, levels relative to on-axis\n"), std::string::npos);
  ASSERT_EQ(Run(RunDump, {"--json", file}), 0);
  const std::string json = out_.str();
  EXPECT_NE(json.find(R"("curves":{"absolute":[false,true,false,false,false,false,false,false,)"
                      R"(false,false],"onAxis":[-12000,90,0,-12000,)"),
            std::string::npos);
  EXPECT_NE(json.find(R"("spdi":[-12000,0,0,-12000,-12000,-12000,-12000,-12000,-12000,-12000]}})"),
            std::string::npos);
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

  const auto balloon = CsvRows(Slurp(Path("tables/balloon.csv")));
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
  const auto horizontal = CsvRows(Slurp(Path("tables/polar_horizontal.csv")));
  ASSERT_EQ(horizontal.size(), 1u + 73);
  EXPECT_EQ(horizontal[0][1], "63 Hz (dB)");
  for (std::size_t row = 1; row < horizontal.size(); ++row) {
    const int angle = std::stoi(horizontal[row][0]);
    for (int b = 0; b < bands; ++b) {
      ASSERT_EQ(Cell(horizontal[row][b + 1]),
                set.data.Arc(first + b, angle >= 0 ? 18 : 54)[std::abs(angle) / 5]);
    }
  }
  const auto rows = CsvRows(Slurp(Path("tables/bands.csv")));
  ASSERT_EQ(rows.size(), 1u + bands);
  for (int b = 0; b < bands; ++b) {
    const auto& cells = rows[b + 1];
    EXPECT_EQ(Cell(cells[2]), set.data.Array(PerBand::Sensitivity)[first + b]);
    EXPECT_EQ(Cell(cells[3]), set.data.Array(PerBand::Impedance)[first + b]);
    EXPECT_EQ(Cell(cells[8]), holder.Figures().horizontalWidth[first + b]);
    EXPECT_EQ(Cell(cells[10]), set.data.Array(PerBand::AxialQ)[first + b]);
  }
}

TEST_F(ExportCommands, BadInputWritesNothing) {
  Write("afile", "x");
  Write("box.txt", "<ZEF9>\r\n");
  const std::string omni = OmniBinary(Path("omni.ZF1"));
  struct Row {
    std::vector<std::string> args;
    int status;
    std::string errEnd;
  };
  const std::string usage =
      "zef export: usage: zef export --csv OUT_FOLDER FILE | zef export --sofa OUT.sofa FILE\n";
  const Row rows[] = {
      {{"--csv", "@out"}, 64, usage},
      {{"--tsv", "@out", omni}, 64, usage},
      {{"--csv", "@out", "@box.txt"}, 2, "file type <ZEF1> or <ZEF2> missing on line 1\n"},
      {{"--csv", "@afile/out", omni},
       2,
       "zef export: cannot create the folder " + Path("afile/out") + "\n"},
      {{"--sofa", "@no/such.sofa", omni},
       2,
       "zef export: Cannot write " + Path("no/such.sofa") + ": No such file or directory\n"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Run(RunExport, row.args), row.status) << row.args[0];
    EXPECT_TRUE(err_.str().ends_with(row.errEnd)) << err_.str();
    EXPECT_FALSE(fs::exists(Path("out")));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("")), fs::directory_iterator()), 3);
}

TEST_F(ExportCommands, TextOfABinaryCompilesBackToTheSameBytes) {
  for (const char* name : {"coax-info.txt", "coax-fir.wav", "two-way-zef1.txt",
                           "column-zef2-v1.txt", "coax-zef2-v2.txt"}) {
    fs::copy_file(fs::path(ZEF_SAMPLES_DIR) / name, Path(name));
  }
  fs::create_directory(Path("back"));
  for (const std::string name : {"two-way-zef1.ZF1", "column-zef2-v1.ZF2", "coax-zef2-v2.ZF2"}) {
    SCOPED_TRACE(name);
    const std::string text = Path(name.substr(0, name.size() - 4) + ".txt");
    ASSERT_EQ(Run(RunCompile, {text, "-o", Path(name)}), 0) << out_.str() << err_.str();
    EXPECT_EQ(err_.str(), "zef compile: wrote " + Path(name) + "\n");
    {
      // The binary opens to the text's figures, as a file of this writer.
      const app::DataSetHolder a = Opened(text);
      const app::DataSetHolder b = Opened(Path(name));
      EXPECT_TRUE(b.DataValid());
      EXPECT_FALSE(app::WrittenByOlderWriter(*b.LoadedHeader()));
      EXPECT_TRUE(a.Loaded()->data == b.Loaded()->data);
      EXPECT_EQ(a.Figures().horizontalWidth, b.Figures().horizontalWidth);
      EXPECT_EQ(a.Figures().offAxisClass, b.Figures().offAxisClass);
      EXPECT_EQ(a.Loaded()->impedance, b.Loaded()->impedance);
    }
    ASSERT_EQ(Run(RunText, {Path(name), "-o", "@back/" + name + ".txt"}), 0) << err_.str();
    EXPECT_EQ(err_.str(), "zef text: wrote " + Path("back/" + name + ".txt") + "\n");
    ASSERT_EQ(Run(RunCompile, {"@back/" + name + ".txt", "-o", "@back/" + name}), 0);
    EXPECT_EQ(Slurp(Path("back/" + name)), Slurp(Path(name)));
  }
  const std::string junk = Write("junk.ZF1", "not a binary");
  EXPECT_EQ(Run(RunText, {junk}), 2);
  EXPECT_TRUE(err_.str().ends_with("zef text: " + junk + " cannot be read\n")) << err_.str();
  EXPECT_FALSE(fs::exists(Path("junk.txt")));
  EXPECT_EQ(Run(RunText, {"@coax-zef2-v2.ZF2"}), 64);
  EXPECT_EQ(err_.str(),
            "zef text: " + Path("coax-zef2-v2.txt") + " exists; name the output with -o\n");
  EXPECT_EQ(Run(RunText, {"@coax-zef2-v2.txt"}), 64);
  EXPECT_EQ(err_.str(), "zef text: " + Path("coax-zef2-v2.txt") +
                            " is not a distribution binary (.ZF1 or .ZF2)\n");
}

}  // namespace
}  // namespace zef::cli::testing
