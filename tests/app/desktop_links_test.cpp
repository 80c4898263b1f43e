#include <gtest/gtest.h>

#include <fstream>

#include "app/desktop_links.h"
#include "app/fake_platform.h"
#include "app/outside_programs.h"
#include "case_file.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

namespace fs = std::filesystem;

// Writes down each request to the desktop fake: what was asked, whether it
// worked, what the desktop was told and the boxes shown (the scratch folder
// as "<tmp>", the first temporary info file as "<info>", any other with its
// random part as "<random>").
struct Notes {
  void operator()(const std::string& what, bool worked) {
    text += what + (worked ? ": done\n" : ": failed\n");
    for (const std::string& line : desktop.log) text += "  " + line + "\n";
    for (const std::string& box : desktop.boxes) text += "  " + box + "\n";
    desktop.log.clear();
    desktop.boxes.clear();
  }
  std::string Shown(std::string out, const fs::path& info) const {
    testing::ReplaceAll(out, info.string(), "<info>");
    testing::ReplaceAll(out, dir.Path("").string(), "<tmp>/");
    for (std::size_t at = 0; (at = out.find("scratch/ZEF", at)) != std::string::npos; ++at) {
      out.replace(at + 11, out.find(".PDF", at) - at - 11, "<random>");
    }
    return out;
  }
  wav::testing::TempDir dir;
  testing::DesktopFake desktop;
  std::string text;
};

TEST(DesktopLinks, WebSiteInfoFilesHelpDocumentsAndEditors) {
  Notes note;
  testing::DesktopFake& desktop = note.desktop;
  desktop.missing = {"http://down.example"};
  note("web site up.example", OpenWebSite(desktop, "up.example"));
  note("web site down.example", OpenWebSite(desktop, "down.example"));

  // A PDF info file goes through a temporary file removed at the end.
  const model::EmbeddedFile text{model::EmbeddedKind::Text, {'a', '\r', '\n', 'b'}};
  const model::EmbeddedFile pdf{model::EmbeddedKind::Pdf, {'%', 'P', 'D', 'F'}};
  EXPECT_EQ(InfoFileText(text), "a\r\nb");
  EXPECT_EQ(InfoFileText(pdf), std::nullopt);
  const fs::path scratch = note.dir.Path("scratch");
  fs::create_directory(scratch);
  fs::path shown;
  {
    TemporaryFiles files(scratch);
    note("PDF info file", ShowPdfInfoFile(desktop, pdf, files));
    ASSERT_EQ(files.Files().size(), 1u);
    shown = files.Files()[0];
    EXPECT_EQ(shown.filename().string().substr(0, 3) + shown.extension().string(), "ZEF.PDF");
    std::ifstream in(shown, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "%PDF");
  }
  EXPECT_FALSE(fs::exists(shown));
  {
    TemporaryFiles files(scratch);
    desktop.opens = false;  // written, but nothing shows it
    note("PDF info file, nothing shows it", ShowPdfInfoFile(desktop, pdf, files));
  }
  TemporaryFiles nowhere(scratch / "absent");
  note("PDF info file, no folder for it", ShowPdfInfoFile(desktop, pdf, nowhere));
  EXPECT_TRUE(fs::is_empty(scratch));

  const fs::path bin = note.dir.Path("bin"), share = note.dir.Path("share") / "zefview";
  fs::create_directories(bin);
  note("help folder beside the program is the program's", HelpFolder(bin) == bin);
  fs::create_directories(share);
  note("help folder in share once there is one", HelpFolder(bin) == share);
  std::ofstream(share / "ZEF.PDF") << "%PDF";
  std::ofstream(share / "ZEF_Specs.PDF") << "%PDF";
  desktop.opens = true;
  note("help", OpenHelpDocument(desktop, HelpDocument::kHelp, share));
  desktop.missing = {(share / "ZEF.PDF").string(), (share / "ZEF_Specs.PDF").string()};
  note("help, not opened", OpenHelpDocument(desktop, HelpDocument::kHelp, share));
  note("specs, not opened", OpenHelpDocument(desktop, HelpDocument::kSpecs, share));
  note("specs, missing", OpenHelpDocument(desktop, HelpDocument::kSpecs, bin));

  // Editors are tried in turn, the file one argument whatever it holds.
  desktop.missing = {"vim-gtk", "gnome-text-editor", "gedit"};
  note("editor", StartEditor(desktop, "/d/my file;rm -rf.txt", "vim-gtk"));
  for (const auto& launch : EditorLaunches("-x.txt", "")) desktop.missing.insert(launch.program);
  note("no editor at all", StartEditor(desktop, "/d/a.txt", ""));
  EXPECT_EQ(EditorLaunches("-x.txt", "").back(),
            (ProgramLaunch{"xdg-open", {(fs::current_path() / "-x.txt").string()}}));
  EXPECT_EQ(SecondViewerLaunch("/usr/bin/zefview", "/d/b.zf2"),
            (ProgramLaunch{"/usr/bin/zefview", {"/d/b.zf2"}}));
  zef::testing::ExpectGolden("app/golden/desktop_links.txt", note.Shown(note.text, shown));
}

}  // namespace
}  // namespace zef::app
