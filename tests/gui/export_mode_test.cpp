#include "gui/export_mode.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "wav/wav_image.h"

namespace zef::gui {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSample = "data/samples/two-way-zef1.txt";
constexpr std::string_view kPhaseSample = "data/samples/coax-zef2-v2.txt";

class ExportModeTest : public ::testing::Test {
 protected:
  int Run(std::vector<std::string_view> args) {
    err_.str("");
    return RunExport(args, err_);
  }
  std::string Path(const char* name) const { return dir_.Path(name).string(); }

  const wav::testing::TempDir dir_;  // one per test: ctest may run them side by side
  std::ostringstream err_;
};

TEST_F(ExportModeTest, WritesEachViewAtTheRequestedSize) {
  const struct {
    std::vector<std::string_view> view;
    const char* name;
    int width, height;
    std::string_view sample = kSample;
  } cases[] = {
      {{"polar", "--band", "2k", "--size", "300x200"}, "polar.png", 300, 200},
      {{"colormap", "--range", "30", "--bare", "--size", "300x200"}, "map.png", 300, 200},
      {{"ea", "--ea", "2", "--size", "2000x1000", "--scale", "4"}, "ea.png", 2000, 1000},
      {{"spectra", "--arc", "9", "--point", "4", "--size", "1280x960"}, "spectra.png", 1280, 960},
      {{"cabinet", "--cabinet", "edges", "--size", "300x200"}, "cabinet.png", 300, 200},
      {{"phase-balloon", "--unwrap", "--band", "16k"}, "phase-balloon.png", 640, 480, kPhaseSample},
      {{"phase-curves", "--phase-mode", "combined"}, "phase-curves.png", 640, 480, kPhaseSample},
      {{"cta2034", "--size", "300x200"}, "cta2034.png", 300, 200},
  };
  for (const auto& c : cases) {
    const std::string out = Path(c.name);
    std::vector<std::string_view> args = c.view;
    args.insert(args.end(), {"-o", out, c.sample});
    ASSERT_EQ(Run(args), kExportWritten) << c.name << ": " << err_.str();
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(c.width, c.height)) << c.name;
    EXPECT_EQ(err_.str(), "");
  }
}

// Whatever stops the picture is said on one line and leaves nothing written.
TEST_F(ExportModeTest, RefusesWithoutWritingAnything) {
  const std::string out = Path("x.png");
  const std::string fifo = Path("fifo.txt");
  const std::string random = Path("random.zf2");
  const std::string readOnly = Path("kept.png");
  const std::string fifoOut = Path("fifo.png");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(fifoOut.c_str(), 0600), 0);
  std::mt19937 generator(7);
  std::string noise(4 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(generator());
  std::ofstream(random, std::ios::binary) << noise;
  const std::string huge = Path("huge.txt");
  std::ofstream{huge};
  fs::resize_file(huge, (64 << 20) + 1);  // sparse: no disk taken
  std::ofstream(readOnly) << "kept";
  fs::permissions(readOnly, fs::perms::owner_read);
  const int failed = kExportFailed, usage = kExportUsage;
  // The arguments: the exit code and the last line of the error stream after "zefview: ".
  const std::tuple<std::vector<std::string_view>, int, std::string> cases[] = {
      {{"polar", "-o", out, "missing.txt"}, failed, "missing.txt does not exist"},
      {{"polar", "-o", out, "/dev/zero"}, failed, "/dev/zero is not a regular file"},
      {{"polar", "-o", out, fifo}, failed, fifo + " is not a regular file"},
      {{"polar", "-o", out, random}, failed, random + " could not be read"},
      {{"polar", "-o", out, huge}, failed, huge + " is too large for a data file"},
      {{"polar", "-o", readOnly, kSample},
       failed,
       "Cannot write " + readOnly + ": it is read-only"},
      {{"polar", "-o", fifoOut, kSample},
       failed,
       "Cannot write " + fifoOut + ": it is not a regular file"},
      {{"polar", "--band", "20k", "-o", out, kSample},
       usage,
       "Band \"20k\" is not in the file's range 63 to 16k"},
      {{"spectra", "--arc", "36", "-o", out, kSample},
       usage,
       "The direction must lie within arcs 0 to 35 and points 0 to 18 for this file"},
      {{"cabinet", "--cabinet", "dxf", "-o", out, kSample}, usage, "The file has no dxf cabinet"},
      {{"phase-curves", "-o", out, kSample}, usage, "The file has no phase data"},
  };
  for (const auto& [args, exit, message] : cases) {
    EXPECT_EQ(Run(args), exit) << message;
    std::string text = err_.str();
    text.pop_back();
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "zefview: " + message);
    EXPECT_FALSE(fs::exists(out));
  }
  std::string kept;
  std::ifstream(readOnly) >> kept;
  EXPECT_EQ(kept, "kept");
  EXPECT_EQ(Run({"polar", "-o", out}), kExportUsage);
  EXPECT_EQ(err_.str().rfind("zefview: Missing data file\nusage: zefview --export", 0), 0u);
}

}  // namespace
}  // namespace zef::gui
