#include "gui/export_mode.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <sstream>
#include <vector>

namespace zef::gui {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSample = "data/samples/two-way-zef1.txt";

class ExportModeTest : public ::testing::Test {
 protected:
  // One folder per test: ctest may run the tests of this binary side by side.
  ExportModeTest()
      : dir_(fs::temp_directory_path() /
             (std::string("zef_export_") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::create_directories(dir_);
  }
  ~ExportModeTest() override { fs::remove_all(dir_); }

  int Run(std::vector<std::string_view> args) { return RunExport(args, err_); }
  std::string Out(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::ostringstream err_;
};

TEST_F(ExportModeTest, WritesEachViewAtTheRequestedSize) {
  const struct {
    std::vector<std::string_view> view;
    const char* name;
  } cases[] = {
      {{"polar", "--band", "2k"}, "polar.png"},
      {{"colormap", "--range", "30"}, "map.png"},
      {{"ea", "--ea", "2"}, "ea.png"},
      {{"spectra", "--arc", "9", "--point", "4"}, "spectra.png"},
      {{"cta2034"}, "cta2034.png"},
  };
  for (const auto& c : cases) {
    const std::string out = Out(c.name);
    std::vector<std::string_view> args = c.view;
    for (const std::string_view more : {std::string_view("--size"), std::string_view("300x200"),
                                        std::string_view("-o"), std::string_view(out), kSample}) {
      args.push_back(more);
    }
    ASSERT_EQ(Run(args), kExportWritten) << c.name << ": " << err_.str();
    const QImage image(QString::fromStdString(out));
    EXPECT_EQ(image.size(), QSize(300, 200)) << c.name;
  }
  EXPECT_EQ(err_.str(), "");
}

TEST_F(ExportModeTest, ReportsWhatStopsThePicture) {
  const std::string out = Out("x.png");
  EXPECT_EQ(Run({"polar", "-o", out, "missing.txt"}), kExportFailed);
  EXPECT_NE(err_.str().find("zefview: missing.txt could not be read\n"), std::string::npos)
      << err_.str();

  err_.str("");
  EXPECT_EQ(Run({"polar", "--band", "20k", "-o", out, kSample}), kExportUsage);
  EXPECT_EQ(err_.str(), "zefview: Band \"20k\" is not in the file's range 63 to 16k\n");

  err_.str("");
  EXPECT_EQ(Run({"spectra", "--arc", "36", "-o", out, kSample}), kExportUsage);
  EXPECT_EQ(err_.str(),
            "zefview: The direction must lie within arcs 0 to 35 and points 0 to 18 for this "
            "file\n");

  err_.str("");
  EXPECT_EQ(Run({"polar", "-o", out}), kExportUsage);
  EXPECT_EQ(err_.str().rfind("zefview: Missing data file\nusage: zefview --export", 0), 0u);
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace zef::gui
