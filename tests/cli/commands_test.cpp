#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "app/derived_figures.h"
#include "app/minimal_variants.h"
#include "binary/binary_writer.h"
#include "case_file.h"
#include "cli/commands.h"
#include "cli/output_open.h"
#include "model/fixed_text.h"
#include "wav/wav_image.h"

namespace zef::cli::testing {
namespace {

namespace fs = std::filesystem;
using model::PerBand;

std::string Slurp(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
}

// "*" matches anything, "*TEXT" what ends with TEXT, "TEXT*" what starts with it,
// "golden:NAME" the golden file NAME.
void ExpectOutput(const std::string& expected, const std::string& actual,
                  const std::string& where) {
  if (expected.starts_with("golden:")) {
    SCOPED_TRACE(where);
    zef::testing::ExpectGolden("cli/golden/" + expected.substr(7) + ".txt", actual);
  } else if (expected.starts_with('*')) {
    EXPECT_TRUE(actual.ends_with(expected.substr(1))) << where << ": " << actual;
  } else if (expected.ends_with('*')) {
    EXPECT_TRUE(actual.starts_with(expected.substr(0, expected.size() - 1)))
        << where << ": " << actual;
  } else {
    EXPECT_EQ(actual, expected) << where;
  }
}

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

// The files the steps start from (listed at the head of the case file).
class Commands : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, std::string_view text) {
    return dir_.Write(name, text).string();
  }
  std::string Path(const std::string& name) const { return dir_.Path(name).string(); }
  // The file as the viewer opens it, answering yes.
  static app::DataSetHolder Opened(const std::string& path) {
    app::DataSetHolder holder;
    std::ostringstream sink;
    EXPECT_TRUE(OpenForOutput(path, Answering::Yes, false, holder, sink).loaded);
    return holder;
  }

  void SetUp() override {
    for (const auto& sample : fs::directory_iterator(ZEF_SAMPLES_DIR))
      fs::copy_file(sample.path(), Path(sample.path().filename().string()));
    const std::string minimal = textformat::testing::MinimalZef1();
    Write("flat.txt", minimal);
    Write("errors.txt", app::testing::WithoutModelName(minimal));
    for (const char* name : {"quiet.txt", "odd.zf1.txt"}) Write(name, app::testing::QuietZef1());
    Write("quiet-errors.txt", app::testing::WithoutModelName(app::testing::QuietZef1()));
    Write("cab.txt", textformat::testing::MinimalZef1(
                         "12.5", "<CABINET>\t<DXF>\tcab.dxf\t<UNIT>\t<M>\t<ORIGIN>\t0\t0\t0\n"));
    std::string spectrum = minimal;
    std::string values = "<AXIAL-SPECTRUM>\t<NODATA>";
    for (int i = 1; i < 30; ++i) values += "\t81.5";
    Write("spectrum.txt", spectrum.replace(spectrum.find("<AXIAL-SPECTRUM>\t"), 17, values));
    for (const char* name : {"pipe.txt", "pipe.ZF2", "pipe.dxf"})
      ASSERT_EQ(::mkfifo(Path(name).c_str(), 0600), 0);
    fs::create_directory(Path("folder.txt"));
    for (const auto& [name, size] :
         {std::pair{"huge.txt", 16u << 20}, {"huge.ZF1", 64u << 20}, {"huge.dxf", 512001u}}) {
      Write(name, "");
      fs::resize_file(Path(name), size + 1u);  // sparse: nothing is really written
    }
    WriteSets();
  }

  void WriteSets() {
    model::DataSet omni(model::FormatKind::Zef1), older(model::FormatKind::Zef1);
    omni.data.MinBand() = older.data.MinBand() = 1;
    omni.data.MaxBand() = 2;
    older.data.MaxBand() = 9;
    omni.data.Array(PerBand::Sensitivity)[1] = 90.0f;
    omni.data.Array(PerBand::Sensitivity)[2] = model::kNoData;
    for (int band = 1; band <= 9; ++band) {
      older.data.Array(PerBand::Sensitivity)[band] = 90.0f;
      older.data.Array(PerBand::Impedance)[band] = band == 8 ? 4.0f : 8.0f;
    }
    older.info->maxInputKind = model::MaxInputKind::Voltage;
    older.info->maxInputValue = 20.0f;
    older.info->maxInputMethod = model::TestMethod::Aes2_1984;
    binary::WriteOptions olderWriter;
    olderWriter.writerVersion = "v1.0e";  // so that the flow fills its half-widths and Q

    model::DataSet small(model::FormatKind::Zef1);
    model::SetText(small.info->modelName, "Box \xE9");
    small.info->weight = -1.0f;
    small.data.MinBand() = 1;
    small.data.MaxBand() = 9;
    small.data.Array(PerBand::Impedance)[2] = model::kNoData;
    small.info->cabinetFlags = model::cabinet_flag::kEdges | model::cabinet_flag::kFaces;
    small.cabinet.AddEdge(small.cabinet.edges, 1, {1, 1, 1}, {0, 0, 0});
    small.cabinet.AddEdge(small.cabinet.edges, 2, {2, 2, 2}, {0, 0, 0});
    model::Face face{{{0, 0, 0.25f}, {1, 0, 0.25f}, {0.5f, 0, 0.25f}}, 7};
    model::CabinetGeometry::AddFace(std::move(face), small.cabinet.faces);
    small.cabinet.infoFile = {model::EmbeddedKind::Pdf, std::vector<std::uint8_t>(5)};
    std::string error;
    ASSERT_TRUE(binary::WriteBinaryFile(Path("omni.ZF1"), omni, {}, error) &&
                binary::WriteBinaryFile(Path("older.ZF1"), older, olderWriter, error) &&
                binary::WriteBinaryFile(Path("small.ZF1"), small, {}, error))
        << error;
  }

  wav::testing::TempDir dir_;

  // Runs one step of the case file.
  void Step(const zef::testing::Case& c) {
    const std::string folder = fs::path(Path("x")).parent_path().string();
    std::istringstream words(c[0]);
    std::string verb;
    words >> verb;
    std::vector<std::string> args;
    for (std::string word; words >> word;) {
      if (word.starts_with('@')) word = Path(word.substr(1));
      Replace(word, "$S", ZEF_SAMPLES_DIR);
      args.push_back(word);
    }
    const auto field = [&c](std::size_t i) { return i < c.fields.size() ? c[i] : std::string(); };
    if (verb == "mkdir") {
      fs::create_directories(args[0]);
    } else if (verb == "write") {
      fs::create_directories(fs::path(args[0]).parent_path());
      std::ofstream(args[0], std::ios::binary) << field(1);
    } else if (verb == "cat") {
      ExpectOutput(field(1), Slurp(args[0]), c.where);
    } else if (verb == "exists") {
      EXPECT_EQ(fs::exists(args[0]) ? "yes" : "no", field(1)) << c.where;
    } else if (verb == "same") {
      EXPECT_EQ(Slurp(args[0]) == Slurp(args[1]) ? "yes" : "no", field(1)) << c.where;
    } else {
      using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);
      const std::pair<const char*, Command> commands[] = {
          {"check", RunCheck},     {"dump", RunDump},     {"dxf", RunDxf},
          {"compile", RunCompile}, {"sheet", RunSheet},   {"table", RunTable},
          {"curves", RunCurves},   {"export", RunExport}, {"text", RunText}};
      Command command = nullptr;
      for (const auto& [name, run] : commands) command = args[0] == name ? run : command;
      ASSERT_TRUE(command) << c.where;
      std::ostringstream outStream, errStream;
      const int status = command(std::span(args).subspan(1), outStream, errStream);
      std::string out = outStream.str(), err = errStream.str();
      for (std::string* text : {&out, &err}) {
        Replace(*text, folder, "$D");
        Replace(*text, ZEF_SAMPLES_DIR, "$S");
      }
      ExpectOutput(field(1), std::to_string(status), c.where);
      ExpectOutput(field(2), out, c.where);
      ExpectOutput(field(3), err, c.where);
    }
  }
};

TEST_F(Commands, EachStepOfTheCaseFileGivesItsOutput) {
  for (const auto& c : zef::testing::ReadCases("cli/cases/commands.txt")) Step(c);

  // The compiled samples open to their texts' figures, as files of this writer.
  for (const char* name : {"two-way-zef1", "column-zef2-v1", "coax-zef2-v2"}) {
    SCOPED_TRACE(name);
    const app::DataSetHolder a = Opened(Path(std::string(name) + ".txt"));
    const app::DataSetHolder b =
        Opened(Path(std::string(name) + (name[0] == 't' ? ".ZF1" : ".ZF2")));
    EXPECT_TRUE(b.DataValid());
    EXPECT_FALSE(app::WrittenByOlderWriter(*b.LoadedHeader()));
    EXPECT_TRUE(a.Loaded()->data == b.Loaded()->data);
    EXPECT_EQ(a.Figures().horizontalWidth, b.Figures().horizontalWidth);
    EXPECT_EQ(a.Figures().offAxisClass, b.Figures().offAxisClass);
    EXPECT_EQ(a.Loaded()->impedance, b.Loaded()->impedance);
  }
  // The tables exported from the coax sample hold its values, in their places.

  const app::DataSetHolder holder = Opened(Path("coax-zef2-v2.txt"));
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
  // The author and category given, and the compile date (yyyy-mmm-dd) as writer text.
  const app::DataSetHolder quiet = Opened(Path("quiet.ZF1"));
  EXPECT_EQ(quiet.StatusLine(), "File created by: Acme (Manufacturer)");
  EXPECT_EQ(std::strlen(quiet.Loaded()->info->writerText), 11u);
  EXPECT_EQ(Opened(Path("named.zf1")).StatusLine(), "File created by: Lab-X (3rd Party)");
}

}  // namespace
}  // namespace zef::cli::testing
