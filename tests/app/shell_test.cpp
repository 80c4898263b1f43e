#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/dialog_ids.h"
#include "app/fake_platform.h"
#include "app/info_commands.h"
#include "app/option_commands.h"
#include "app/shell.h"
#include "app/shell_views.h"
#include "binary/binary_fixture.h"
#include "binary/binary_writer.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

using namespace control;
using testing::Box;

constexpr char kZef1[] = "data/samples/two-way-zef1.txt";
constexpr char kZef2[] = "data/samples/coax-zef2-v2.txt";

// A shell over the scripted desktop, its configuration in a scratch folder.
class ShellTest : public ::testing::Test {
 protected:
  Shell& Started(std::string_view file = {}) {
    shell_.Start(file);
    desktop_.log.clear();
    desktop_.boxes.boxes.clear();
    return shell_;
  }
  std::vector<Box>& Boxes() { return desktop_.boxes.boxes; }
  const ShellState& State() const { return shell_.State(); }
  std::pair<float, float> Angles() const {
    return {State().Camera().azimuth, State().Camera().elevation};
  }
  void Press(std::initializer_list<int> ids) {
    for (const int id : ids) shell_.ControlCommand(id);
  }

  wav::testing::TempDir dir_;
  testing::FakeShellPlatform desktop_;
  ListWindowLines errors_{ListWindowLines::kErrorRules};
  Shell shell_{desktop_,
               errors_,
               {dir_.Path("config"), dir_.Path("program"), "/bin/zefview", "myedit"},
               false};
};

TEST_F(ShellTest, StartUpMessagesAndCommandLine) {
  // A first start has no options file: nothing failed, so nothing is said.
  const Box damagedOptions{'M', "Failed to load options, defaults set"};
  // The file on the command line: the boxes shown and whether it was read.
  const std::tuple<std::string, std::vector<Box>, bool> cases[] = {
      {"", {}, false},
      {"notes.doc", {{'M', "** Not a ZEF text or binary file:##notes.doc"}}, false},
      {"gone.TXT", {{'M', "** File does not exist **"}}, false},
      {kZef1, {}, true},
  };
  for (const auto& [file, boxes, loaded] : cases) {
    testing::FakeShellPlatform desktop;
    Shell shell(desktop, errors_, {dir_.Path("none"), dir_.Path("none"), "zefview", ""}, false);
    shell.Start(file);
    EXPECT_EQ(std::pair(desktop.boxes.boxes, shell.State().fileLoaded), std::pair(boxes, loaded))
        << file;
  }
  dir_.Write("damaged/ZEFOptions.DAT", "not an options file");
  testing::FakeShellPlatform desktop;
  Shell shell(desktop, errors_, {dir_.Path("damaged"), dir_.Path("none"), "zefview", ""}, false);
  shell.Start("");
  EXPECT_EQ(desktop.boxes.boxes, std::vector<Box>{damagedOptions});
}

TEST_F(ShellTest, WithoutAFileTheControlsDoNothing) {
  Started();
  for (const int id : {12, 13, 14, 15, 16, 17, 23, 24, 56, 60, 181, 188, 231, 234, 235, 244, 245}) {
    EXPECT_EQ(shell_.ControlCommand(id), kNoChange) << id;
  }
  const auto menu = shell_.Menu();
  for (const int id : {11, 28, 29, 47, 48, 54}) EXPECT_FALSE(menu.at(id).enabled) << id;
  EXPECT_EQ(shell_.MenuCommand(option_id::kDialog), kNoChange);
  EXPECT_EQ(shell_.MenuCommand(option_id::kShade), kNoChange);  // the switch changes all the same
  EXPECT_FALSE(shell_.Options().Get(graphs::Option::kShadeBalloon));
}

TEST_F(ShellTest, OpenResetsTheViewsAndStartsTheBlinkers) {
  Started(kZef1);
  Press({kCabinetRadio, kSpectraRadio, kUpperZoomIn, kEaSelectFirst + 3});
  desktop_.chosen = {kZef2};
  EXPECT_EQ(shell_.MenuCommand(10), kEverything);
  EXPECT_EQ(desktop_.log, (std::vector<std::string>{"dialog 0 ", "start 1 1000"}));
  // The zoom (-30) is the user's.
  EXPECT_EQ(std::tuple(State().upper, State().lower, State().eaSelection, State().balloonRange,
                       State().bandWindowFirst, State().bandWindowLast),
            std::tuple(UpperView::kBalloon3D, LowerView::kPolars, 1, -30, 4, 12));
  EXPECT_EQ(shell_.Recent().Files(), (std::vector<std::string>{kZef2, kZef1}));
  EXPECT_TRUE(shell_.Menu().at(11).enabled);
  desktop_.chosen = {"missing.TXT"};
  EXPECT_EQ(shell_.MenuCommand(10), kNoChange);
  EXPECT_EQ(Boxes(), (std::vector<Box>{{'M', "** File does not exist **"}}));
  EXPECT_EQ(std::tuple(shell_.CurrentFile(), State().fileLoaded), std::tuple("missing.TXT", true));
}

TEST_F(ShellTest, ViewSwitchesKeepTheCameraAngles) {
  Started(kZef1);
  shell_.MutableState().balloonCamera.azimuth = 70;
  Press({kCabinetRadio});
  EXPECT_EQ(Angles(), std::pair(70.0f, 30.0f));
  Press({kTopView, kBalloonRadio});
  EXPECT_EQ(Angles(), std::pair(0.0f, 90.0f));
  Press({kFrontView, kCabinetKindFirst + 4});
  EXPECT_EQ(std::tuple(State().upper, State().cabinet, Angles()),
            std::tuple(UpperView::kCabinet3D, CabinetKind::kDxf, std::pair(90.0f, 0.0f)));
  Press({kSideView});  // only the shown view's camera moves
  EXPECT_EQ(std::tuple(Angles(), State().balloonCamera.azimuth, State().cabinetCamera.distance),
            std::tuple(std::pair(0.0f, 0.0f), 90.0f, 5.0f));
  desktop_.chosen = {kZef1};
  shell_.MenuCommand(10);  // a read shows the balloon with the cabinet's angles
  EXPECT_EQ(std::pair(State().upper, Angles()),
            std::pair(UpperView::kBalloon3D, std::pair(0.0f, 0.0f)));
}

TEST_F(ShellTest, ZoomStaysWithinItsLimits) {
  // Buttons pressed: the balloon range, its camera distance and the polar range.
  const std::tuple<std::vector<int>, int, float, int> cases[] = {
      {{kUpperZoomOut}, -40, 300, 50},
      {{kUpperZoomIn}, -30, 150, 50},
      {{kUpperZoomIn, kUpperZoomIn, kUpperZoomIn}, -20, 100, 50},
      {{kLowerZoomIn, kLowerZoomIn, kLowerZoomIn, kLowerZoomIn}, -40, 300, 20},
      {{kLowerZoomIn, kLowerZoomOut, kLowerZoomOut}, -40, 300, 50},
      {{kPolarsRadio + 1, kLowerZoomIn, kLowerZoomIn}, -20, 100, 50},  // colour maps: balloon range
      {{kPolarsRadio + 2, kLowerZoomIn, kUpperZoomIn}, -30, 150, 50},  // EA data: hidden, no effect
  };
  for (const auto& [presses, balloon, distance, polar] : cases) {
    Started(kZef1);
    for (const int id : presses) shell_.ControlCommand(id);
    EXPECT_EQ(std::tuple(State().balloonRange, State().balloonCamera.distance, State().polarRange),
              std::tuple(balloon, distance, polar))
        << presses.size();
  }
}

TEST(PolarRange, TicChangesAndButtonStates) {
  const std::pair<int, int> to10[] = {{48, 50}, {24, 30}, {42, 40}, {30, 30}, {50, 50}};
  for (const auto& [from, to] : to10) EXPECT_EQ(PolarRangeFor10DbTics(from), to) << from;
  const std::pair<int, int> to6[] = {{50, 48}, {20, 18}, {30, 30}, {40, 36}};
  for (const auto& [from, to] : to6) EXPECT_EQ(PolarRangeFor6DbTics(from), to) << from;
  const graphs::OptionSet tens;
  const graphs::OptionSet sixes(tens.Bits() | 1u << 8);
  for (const auto& [range, options, in, out] : {std::tuple{20, tens, false, true},
                                                {50, tens, true, false},
                                                {24, sixes, false, true},
                                                {48, sixes, true, false}}) {
    EXPECT_EQ(std::pair(PolarZoomInEnabled(range, options), PolarZoomOutEnabled(range, options)),
              std::pair(in, out))
        << range;
  }
}

TEST_F(ShellTest, OptionCommandsChangeTheirSwitchAndNameWhatToRebuild) {
  const Changes all = kUpperChanged | kLowerChanged | kControlsChanged;
  // The option, the lower view shown: what to rebuild, and the polar range after.
  const std::tuple<int, LowerView, Changes, int> cases[] = {
      {option_id::kTics6Db, LowerView::kPolars, all, 48},
      {option_id::kTics10Db, LowerView::kEaData, kUpperChanged | kControlsChanged, 50},
      {option_id::kShade, LowerView::kColorMaps, all, 50},
      {option_id::kSymmetry, LowerView::kEaData, kUpperChanged | kControlsChanged, 50},
      {option_id::kDi, LowerView::kPolars, kSheetChanged, 50},
      {option_id::kFixedScales, LowerView::kPolars, kNoChange, 50},
      {option_id::kFixedScales, LowerView::kEaData, kLowerChanged, 50},
      {option_id::kHeavyCurves, LowerView::kBalloonSpectra, kLowerChanged, 50},
      {option_id::kSteppedCurves, LowerView::kColorMaps, kLowerChanged, 50},
      {option_id::kDxfFaces, LowerView::kPolars, kNoChange, 50},
      {option_id::kFixedScales, LowerView::kCta2034, kLowerChanged, 50},
      {option_id::kHeavyCurves, LowerView::kCta2034, kLowerChanged, 50},
      {option_id::kSteppedCurves, LowerView::kCta2034, kLowerChanged, 50},
      {option_id::kShade, LowerView::kCta2034, kUpperChanged | kControlsChanged, 50},
  };
  for (const auto& [id, lower, changes, polarRange] : cases) {
    Started(kZef1);
    shell_.ControlCommand(LowerRadioId(static_cast<int>(lower)));
    EXPECT_EQ(shell_.MenuCommand(id), changes) << id;
    EXPECT_EQ(State().polarRange, polarRange) << id;
  }
}

TEST_F(ShellTest, ControlsShownForEachView) {
  // Buttons pressed: upper zoom shown, lower zoom shown, its in and out, spectra bars, band combo.
  const std::pair<std::vector<int>, std::string> cases[] = {
      {{}, "111001"},
      {{kPolarsRadio + 1}, "111001"},
      {{kPolarsRadio + 1, kUpperZoomIn, kUpperZoomIn}, "110101"},
      {{kPolarsRadio + 2}, "101001"},
      {{kPolarsRadio + 3}, "101011"},
      {{kCabinetRadio, kPolarsRadio + 3}, "001010"},
      {{kCabinetRadio}, "011001"},
      {{kCtaRadio}, "101001"},
      {{kCtaRadio, kCabinetRadio}, "001000"},
  };
  for (const auto& [presses, expected] : cases) {
    Started(kZef2);
    for (const int id : presses) shell_.ControlCommand(id);
    const DialogControls got = ControlStates(State(), shell_.Options(), shell_.Holder().Loaded());
    std::string shown;
    for (const bool on : {got.upperZoomShown, got.lowerZoomShown, got.lowerZoomIn, got.lowerZoomOut,
                          got.spectraBarsShown, got.bandComboEnabled}) {
      shown += on ? '1' : '0';
    }
    EXPECT_EQ(shown, expected) << presses.size();
  }
  const DialogControls zef2 = ControlStates(State(), shell_.Options(), shell_.Holder().Loaded());
  EXPECT_EQ(std::tuple(zef2.columnLabels.front(), zef2.arcMaximum, zef2.pointMaximum,
                       zef2.bandsDown, zef2.bandsUp),
            std::tuple("63", 71, 36, false, true));
}

TEST_F(ShellTest, QAndDiToggle) {
  Started(kZef1);
  shell_.MenuCommand(option_id::kQ);  // Q was shown: now DI
  EXPECT_TRUE(shell_.Options().Get(graphs::Option::kShowDi));
  EXPECT_EQ(shell_.Sheet().Row(SheetRowId::AxialQ).label, "Axial DI:");
  shell_.MenuCommand(option_id::kDi);
  EXPECT_EQ(shell_.Sheet().Row(SheetRowId::AxialQ).label, "Axial Q:");
}

TEST_F(ShellTest, BandWindowScrollsWithinTheBandRange) {
  Started(kZef2);  // bands 4 to 29
  const std::vector<std::pair<int, std::pair<int, int>>> steps = {
      {kBandsDown, {4, 12}}, {kBandsUp, {5, 13}}, {kBandsDown, {4, 12}}};
  for (const auto& [id, window] : steps) {
    shell_.ControlCommand(id);
    EXPECT_EQ(std::pair(State().bandWindowFirst, State().bandWindowLast), window) << id;
  }
  for (int i = 0; i < 30; ++i) shell_.ControlCommand(kBandsUp);
  EXPECT_EQ(std::pair(State().bandWindowFirst, State().bandWindowLast), std::pair(21, 29));
  Started(kZef1);
  EXPECT_EQ(shell_.ControlCommand(kBandsUp), kNoChange);
  EXPECT_EQ(std::pair(shell_.ControlCommand(kBandCombo, 2), State().selectedBand),
            std::pair(kUpperChanged | kLowerChanged, 3));
  EXPECT_EQ(shell_.ControlCommand(kBandCombo, 20), kNoChange);
}

TEST_F(ShellTest, SpectraDirectionScrolls) {
  Started(kZef2);
  // Scroll bar, action and thumb position: arc and point after.
  const std::tuple<int, ScrollAction, int, std::pair<int, int>> steps[] = {
      {kSpectraHorizontal, ScrollAction::kPageUp, 0, {18, 0}},
      {kSpectraHorizontal, ScrollAction::kLineUp, 0, {19, 0}},
      {kSpectraHorizontal, ScrollAction::kPageDown, 0, {18, 0}},
      {kSpectraHorizontal, ScrollAction::kThumb, 54, {54, 0}},
      {kSpectraHorizontal, ScrollAction::kPageUp, 0, {0, 0}},  // wraps
      {kSpectraHorizontal, ScrollAction::kLineDown, 0, {0, 0}},
      {kSpectraVertical, ScrollAction::kLineDown, 0, {0, 1}},  // shown inverted
      {kSpectraVertical, ScrollAction::kThumb, 0, {0, 36}},
      {kSpectraVertical, ScrollAction::kLineDown, 0, {0, 36}},
  };
  for (const auto& [id, action, thumb, after] : steps) {
    shell_.Scroll(id, action, thumb);
    EXPECT_EQ(std::pair(State().spectra[1].arc, State().spectra[1].point), after);
  }
}

TEST_F(ShellTest, BlinkersEndInLowerCaseAfterSevenTicks) {
  Started(kZef2);
  ShellState& state = shell_.MutableState();
  state.warningBlink = {true, 0, false};
  std::vector<std::string> info;
  std::vector<std::string> axial;
  for (int tick = 0; tick < 8; ++tick) {
    shell_.TimerTick(kInfoBlinkTimer);
    shell_.TimerTick(kWarningBlinkTimer);
    info.push_back(shell_.Blinks().infoButton);
    axial.push_back(shell_.Blinks().axialLabel);
  }
  const std::string l = "Show info file", u = "SHOW INFO FILE";
  EXPECT_EQ(info, (std::vector<std::string>{l, u, l, u, l, u, l, l}));
  EXPECT_EQ(axial, (std::vector<std::string>{"Axial Q:", "AXIAL Q:", "Axial Q:", "AXIAL Q:",
                                             "Axial Q:", "AXIAL Q:", "Axial Q:", "Axial Q:"}));
  EXPECT_EQ(desktop_.log, (std::vector<std::string>{"kill 1", "kill 2", "kill 1", "kill 2"}));
}

TEST_F(ShellTest, MenuStatesFollowTheOptionsAndTheFile) {
  Started(kZef1);
  const auto items = [&](std::initializer_list<int> ids) {
    std::vector<MenuItemState> states;
    for (const int id : ids) states.push_back(shell_.Menu().at(id));
    return states;
  };
  using M = MenuItemState;  // 28: saving as binary, not for a file read from text
  EXPECT_EQ(
      items({30, 31, 40, 52, 28}),
      (std::vector<M>{{true, true}, {true, false}, {true, false}, {true, true}, {false, false}}));
  EXPECT_TRUE(shell_.Menu().at(54).enabled);
  shell_.MenuCommand(option_id::kShade);
  shell_.MenuCommand(option_id::kTics6Db);
  EXPECT_EQ(items({40, 41, 35}), (std::vector<M>{{false, false}, {false, false}, {true, true}}));
  EXPECT_EQ(shell_.MenuCommand(option_id::kDialog), kOptionsDialogOpened);
  EXPECT_FALSE(shell_.Menu().at(32).enabled);  // the dialog has the options meanwhile
  EXPECT_EQ(shell_.StatusHelp(54), "Display a floating dialog with all options on this menu");
  EXPECT_EQ(shell_.StatusHelp(14), "");
}

TEST_F(ShellTest, SaveAsDefaultRestartsOnlyForNewFonts) {
  Started(kZef1);
  shell_.MenuCommand(option_id::kSymmetry);
  shell_.OptionsDialogCommand(33);
  EXPECT_TRUE(desktop_.log.empty());
  StoredOptions saved;
  ASSERT_TRUE(LoadOptionsFile(shell_.OptionsFile(), saved));
  EXPECT_EQ(saved.options.Bits(), 0x235u);
  shell_.SetDialogFont("Liberation Serif", 12);
  shell_.OptionsDialogCommand(33);
  const std::string absolute = std::filesystem::absolute(kZef1).string();
  EXPECT_EQ(desktop_.log, (std::vector<std::string>{"run /bin/zefview " + absolute, "quit"}));
  testing::FakeShellPlatform next;
  Shell restarted(next, errors_, {dir_.Path("config"), dir_.Path("program"), "z", ""}, false);
  restarted.Start({});
  EXPECT_TRUE(next.boxes.boxes.empty());
  EXPECT_EQ(restarted.Stored().fontFace, "Liberation Serif");
}

TEST_F(ShellTest, DesktopCommands) {
  Started();
  shell_.MenuCommand(60);
  const std::string help = dir_.Path("program").string() + "/ZEF.PDF";
  EXPECT_EQ(Boxes(), (std::vector<Box>{{'M', help + "####does no exist"}}));
  desktop_.chosen = {"a.TXT"};
  desktop_.desktopOpens = false;
  shell_.MenuCommand(12);
  EXPECT_EQ(Boxes().back(), (Box{'M', "Failed to load a.TXT"}));
  desktop_.control = true;
  desktop_.chosen = {kZef1};  // Ctrl without a loaded file reads it here
  shell_.MenuCommand(13);
  shell_.MenuCommand(16);
  EXPECT_EQ(desktop_.log.at(1), "run myedit " + std::filesystem::absolute("a.TXT").string());
  EXPECT_EQ(std::vector(desktop_.log.end() - 2, desktop_.log.end()),
            (std::vector<std::string>{"dialog 2 ", "quit"}));
}

TEST(FileNames, KindsAndCommandLine) {
  const std::pair<const char*, DataFileKind> kinds[] = {
      {"a.zf2", DataFileKind::kBinary},         {"C:\\old.zf1\\new.txt", DataFileKind::kBinary},
      {"x/My Data/a.TXT", DataFileKind::kText}, {"b.tab", DataFileKind::kText},
      {"c.doc", DataFileKind::kOther},          {"", DataFileKind::kOther},
  };
  for (const auto& [name, kind] : kinds) EXPECT_EQ(DataFileKindOf(name), kind) << name;
  const std::vector<std::string_view> args = {"-style", "C:\\x.a b.TXT", "more"};
  EXPECT_EQ(CommandLineFile(args), "C:\\x.a b.TXT");
}

TEST(FileNames, RecentFilesAndWindowPlace) {
  wav::testing::TempDir dir;
  RecentFiles recent(dir.Path("cfg") / "recent");
  for (int i = 0; i < 10; ++i) recent.Add("f" + std::to_string(i));
  recent.Add("f5");
  RecentFiles again(dir.Path("cfg") / "recent");
  again.Load();
  EXPECT_EQ(again.Files(),
            (std::vector<std::string>{"f5", "f9", "f8", "f7", "f6", "f4", "f3", "f2"}));
  WindowPlace place;
  ASSERT_TRUE(SaveWindowPlace(dir.Path("cfg") / "window", {10, -5, 800, 600}));
  ASSERT_TRUE(LoadWindowPlace(dir.Path("cfg") / "window", place));
  EXPECT_EQ(place, (WindowPlace{10, -5, 800, 600}));
  const WindowPlace screen{0, 20, 1024, 580};
  const std::pair<WindowPlace, WindowPlace> fits[] = {
      {{10, 30, 800, 500}, {10, 30, 800, 500}},
      {{10, 30, 1200, 780}, {0, 20, 1024, 580}},
      {{900, -50, 400, 300}, {624, 20, 400, 300}},
      {{-90, 500, 300, 200}, {0, 400, 300, 200}},
  };
  for (const auto& [from, to] : fits) EXPECT_EQ(FitToScreen(from, screen), to) << from.x;
  for (const char* damaged : {"1 2 0 600", "1 2 3", "a b c d", "1 2 999999 600"}) {
    dir.Write("bad", damaged);
    EXPECT_FALSE(LoadWindowPlace(dir.Path("bad"), place)) << damaged;
  }
}

}  // namespace
}  // namespace zef::app

namespace zef::app {
namespace {

TEST_F(ShellTest, CtaViewFollowsTheFourAndDrawsTheCtaCurves) {
  Started(kZef2);
  EXPECT_EQ(shell_.ControlCommand(kCtaRadio), kLowerChanged | kUpperChanged | kControlsChanged);
  EXPECT_EQ(State().lower, LowerView::kCta2034);
  EXPECT_EQ(ControlStates(State(), shell_.Options(), shell_.Holder().Loaded()).lowerRadio, 4);
  const ExportRequest request =
      LowerGraphRequest(State(), shell_.Options(), *shell_.Holder().Loaded(), 640, 480);
  EXPECT_EQ(request.view, ExportView::kCta2034);
  shell_.ControlCommand(kEaSelectFirst + 1);  // a "»" goes back to the EA graphs
  EXPECT_EQ(State().lower, LowerView::kEaData);
  const std::pair<int, int> radios[] = {{14, 0}, {17, 3}, {246, 4}, {18, -1}, {245, -1}};
  for (const auto& [id, view] : radios) EXPECT_EQ(LowerViewOfRadio(id), view) << id;
}

TEST_F(ShellTest, InformationButtonsOpenTheirWindowsOrTheDesktop) {
  Started(kZef2);
  TemporaryFiles files(dir_.Path(""));
  testing::DesktopFake desktop;
  using W = InfoWindow;
  struct Case {
    int id;
    const char* label;
    InfoWindow::Kind kind;
    const char* title;
    const char* textStart;
  };
  const Case cases[] = {
      {86, "Impedance:", W::kPopup, "Impedance:", "Nominal 8 ohm"},
      {135, "AXIAL Q:", W::kPopup, "AXIAL Q:", "Q/DI calculated by the ZEF Reader"},
      {204, "Gain:", W::kPopup, "Gain", "Calculated from given Max power (W)"},
      {201, "Max 'power/volt':", W::kPopup, "Max input power:", "Measured using IEC-268-1"},
      {216, "Equiv. amp. size:", W::kNone, "", ""},  // off for a power rating
      {kInfoFileButton, "", W::kTextFile, "Text file info", "ZS-CX12 coaxial loudspeaker"},
      {kWebSite, "", W::kNone, "", ""},
      {47, "Inp. voltage:", W::kNone, "", ""},
  };
  for (const Case& c : cases) {
    const InfoWindow got = InfoCommand(desktop, c.id, c.label, shell_.Holder(), files);
    EXPECT_EQ(std::pair(got.kind, got.title), std::pair(c.kind, std::string(c.title))) << c.id;
    EXPECT_TRUE(got.text.starts_with(c.textStart)) << c.id << ": " << got.text;
  }
  EXPECT_EQ(desktop.calls, std::vector<std::string>{"url http://www.example.com/zs-cx12"});
  EXPECT_EQ(InfoCommand(desktop, 86, "Impedance:", DataSetHolder(), files), InfoWindow{});
  EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(ShellTest, EaTablesOfADistributionFileAndItsPdfInfoFile) {
  const std::tuple<model::SpeakerType, std::uint32_t, bool, bool> cases[] = {
      {model::SpeakerType::Passive, model::presence::kAxialSpectrum, true, true},
      {model::SpeakerType::Powered, model::presence::kAxialSpectrum, false, true},
      {model::SpeakerType::Passive, 0, true, false},
  };
  for (const auto& [type, presence, sensitivity, axial] : cases) {
    auto set = binary::testing::FilledSet(model::FormatKind::Zef1);
    set->info->type = type;
    set->info->presenceFlags =
        (set->info->presenceFlags & ~model::presence::kAxialSpectrum) | presence;
    binary::testing::AddEmbeddedFiles(*set, model::EmbeddedKind::Pdf);
    std::string error;
    ASSERT_TRUE(binary::WriteBinaryFile(dir_.Path("box.ZF1"), *set, {}, error)) << error;
    Started();
    shell_.OpenNamed(dir_.Path("box.ZF1").string());
    const auto menu = shell_.Menu();
    EXPECT_EQ(std::pair(menu.at(28).enabled, menu.at(29).enabled), std::pair(sensitivity, axial));
    for (const auto& [id, copies] : {std::pair{28, sensitivity}, {29, axial}}) {
      desktop_.copied.reset();
      shell_.MenuCommand(id);
      EXPECT_EQ(desktop_.copied && desktop_.copied->formats.empty(), copies) << id;  // text only
    }
  }
  testing::DesktopFake desktop;
  TemporaryFiles files(dir_.Path(""));
  EXPECT_EQ(InfoCommand(desktop, kInfoFileButton, "", shell_.Holder(), files), InfoWindow{});
  ASSERT_EQ(files.Files().size(), 1u);
  EXPECT_EQ(desktop.calls, std::vector<std::string>{"open " + files.Files().front().string()});
}

}  // namespace
}  // namespace zef::app
