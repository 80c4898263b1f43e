#include <gtest/gtest.h>

#include <fstream>

#include "app/desktop_links.h"
#include "app/fake_platform.h"
#include "app/outside_programs.h"
#include "app/picture_file_name.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

namespace fs = std::filesystem;
using testing::Box;
using testing::DesktopFake;

TEST(DesktopLinks, WebSiteGetsHttpInFrontUnlessItNamesIt) {
  DesktopFake desktop;
  desktop.missing = {"http://down.example"};
  EXPECT_TRUE(OpenWebSite(desktop, "up.example"));
  EXPECT_FALSE(OpenWebSite(desktop, "down.example"));
  EXPECT_EQ(desktop.log,
            (std::vector<std::string>{"url http://up.example", "url http://down.example"}));
  EXPECT_EQ(desktop.boxes, (std::vector<Box>{{'M', "Failed to show website"}}));
}

TEST(DesktopLinks, InfoFileTextOrPdfThroughATemporaryFileRemovedAtTheEnd) {
  const model::EmbeddedFile text{model::EmbeddedKind::Text, {'a', '\r', '\n', 'b'}};
  const model::EmbeddedFile pdf{model::EmbeddedKind::Pdf, {'%', 'P', 'D', 'F'}};
  EXPECT_EQ(InfoFileText(text), "a\r\nb");
  EXPECT_EQ(InfoFileText(pdf), std::nullopt);

  const wav::testing::TempDir dir;
  const fs::path scratch = dir.Path("scratch");
  fs::create_directory(scratch);
  DesktopFake desktop;
  fs::path shown;
  {
    TemporaryFiles files(scratch);
    EXPECT_TRUE(ShowPdfInfoFile(desktop, pdf, files));
    ASSERT_EQ(files.Files().size(), 1u);
    shown = files.Files()[0];
    EXPECT_EQ(desktop.log, std::vector<std::string>{"open " + shown.string()});
    EXPECT_EQ(shown.parent_path(), scratch);
    EXPECT_EQ(shown.filename().string().substr(0, 3), "ZEF");
    EXPECT_EQ(shown.extension(), ".PDF");
    std::ifstream in(shown, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "%PDF");
  }
  EXPECT_FALSE(fs::exists(shown));

  {
    TemporaryFiles files(scratch);
    desktop.opens = false;  // written, but nothing shows it
    EXPECT_FALSE(ShowPdfInfoFile(desktop, pdf, files));
  }
  TemporaryFiles nowhere(scratch / "absent");
  EXPECT_FALSE(ShowPdfInfoFile(desktop, pdf, nowhere));
  EXPECT_EQ(desktop.boxes, (std::vector<Box>{{'M', "Failed to show PDF file info"},
                                             {'M', "Failed to display embeded PDF file info"}}));
  EXPECT_TRUE(fs::is_empty(scratch));
}

TEST(DesktopLinks, HelpDocumentsMissingOrNotOpened) {
  const wav::testing::TempDir dir;
  const fs::path bin = dir.Path("bin"), share = dir.Path("share") / "zefview";
  fs::create_directories(bin);
  EXPECT_EQ(HelpFolder(bin), bin);
  fs::create_directories(share);
  EXPECT_EQ(HelpFolder(bin), share);
  std::ofstream(share / "ZEF.PDF") << "%PDF";
  std::ofstream(share / "ZEF_Specs.PDF") << "%PDF";

  DesktopFake desktop;
  EXPECT_TRUE(OpenHelpDocument(desktop, HelpDocument::kHelp, share));
  desktop.missing = {(share / "ZEF.PDF").string(), (share / "ZEF_Specs.PDF").string()};
  EXPECT_FALSE(OpenHelpDocument(desktop, HelpDocument::kHelp, share));
  EXPECT_FALSE(OpenHelpDocument(desktop, HelpDocument::kSpecs, share));
  EXPECT_FALSE(OpenHelpDocument(desktop, HelpDocument::kSpecs, bin));
  const std::string s = share.string() + "/";
  EXPECT_EQ(desktop.boxes,
            (std::vector<Box>{{'M', "Failed to load #####" + s + "ZEF.PDF"},
                              {'M', "Failed to load####" + s + "ZEF_Specs.PDF"},
                              {'M', bin.string() + "/ZEF_Specs.PDF####does no exist"}}));
}

TEST(OutsidePrograms, EditorsAreTriedInTurnWithTheFileAsOneArgument) {
  DesktopFake desktop;
  desktop.missing = {"vim-gtk", "gnome-text-editor", "gedit"};
  EXPECT_TRUE(StartEditor(desktop, "/d/my file;rm -rf.txt", "vim-gtk"));
  EXPECT_EQ(desktop.log, (std::vector<std::string>{"run vim-gtk [/d/my file;rm -rf.txt]",
                                                   "run gnome-text-editor [/d/my file;rm -rf.txt]",
                                                   "run gedit [/d/my file;rm -rf.txt]",
                                                   "run kate [/d/my file;rm -rf.txt]"}));
  EXPECT_TRUE(desktop.boxes.empty());

  const auto launches = EditorLaunches("-x.txt", "");
  EXPECT_EQ(launches.size(), 9u);
  EXPECT_EQ(launches.back(),
            (ProgramLaunch{"xdg-open", {(fs::current_path() / "-x.txt").string()}}));
  for (const auto& launch : launches) desktop.missing.insert(launch.program);
  EXPECT_FALSE(StartEditor(desktop, "/d/a.txt", ""));
  EXPECT_EQ(desktop.boxes, (std::vector<Box>{{'M', "Failed to load /d/a.txt"}}));

  EXPECT_EQ(SecondViewerLaunch("/usr/bin/zefview", "/d/b.zf2"),
            (ProgramLaunch{"/usr/bin/zefview", {"/d/b.zf2"}}));
}

}  // namespace
}  // namespace zef::app
