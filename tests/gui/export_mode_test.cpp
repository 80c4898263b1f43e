#include "gui/export_mode.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "case_file.h"
#include "wav/wav_image.h"

namespace zef::gui {
namespace {

namespace fs = std::filesystem;

std::string Expand(const std::string& text, const std::string& dir) {
  std::string out;
  for (const char c : text) out += c == '$' ? dir : std::string(1, c);
  return out;
}

TEST(ExportMode, WritesTheViewOrRefusesWithoutWritingAnything) {
  const wav::testing::TempDir temp;  // one per test: ctest may run them side by side
  const std::string dir = temp.Path("").parent_path().string();
  ASSERT_EQ(::mkfifo((dir + "/fifo.txt").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((dir + "/fifo.png").c_str(), 0600), 0);
  std::mt19937 generator(7);
  std::string noise(4 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(generator());
  std::ofstream(dir + "/random.zf2", std::ios::binary) << noise;
  std::ofstream{dir + "/huge.txt"};
  fs::resize_file(dir + "/huge.txt", (64 << 20) + 1);  // sparse: no disk taken
  std::ofstream(dir + "/kept.png") << "kept";
  fs::permissions(dir + "/kept.png", fs::perms::owner_read);
  const std::map<std::string, int> exits = {
      {"written", kExportWritten}, {"failed", kExportFailed}, {"usage", kExportUsage}};
  for (const testing::Case& c : testing::ReadCases("gui/cases/export.txt")) {
    std::vector<std::string> words;
    std::istringstream in(Expand(c[0], dir));
    for (std::string word; in >> word;) words.push_back(word);
    const std::string out = *(std::find(words.begin(), words.end(), "-o") + 1);
    std::ostringstream err;
    EXPECT_EQ(RunExport(std::vector<std::string_view>(words.begin(), words.end()), err),
              exits.at(c[1]))
        << c.where << ": " << err.str();
    if (c[1] == "written") {
      const QSize size = QImage(QString::fromStdString(out)).size();
      EXPECT_EQ(std::to_string(size.width()) + "x" + std::to_string(size.height()) + err.str(),
                c[2])
          << c.where;
      continue;
    }
    std::string text = err.str();
    text.pop_back();
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "zefview: " + Expand(c[2], dir)) << c.where;
    EXPECT_FALSE(fs::exists(dir + "/x.png")) << c.where;
  }
  std::string kept;
  std::ifstream(dir + "/kept.png") >> kept;
  EXPECT_EQ(kept, "kept");
  std::ostringstream err;
  const std::string x = dir + "/x.png";
  EXPECT_EQ(RunExport(std::vector<std::string_view>{"polar", "-o", x}, err), kExportUsage);
  EXPECT_EQ(err.str().rfind("zefview: Missing data file\nusage: zefview --export", 0), 0u);
}

}  // namespace
}  // namespace zef::gui
