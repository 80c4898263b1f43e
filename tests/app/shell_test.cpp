#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/color_map_readout.h"
#include "app/dialog_ids.h"
#include "app/fake_platform.h"
#include "app/info_commands.h"
#include "app/lower_graph.h"
#include "app/main_menu.h"
#include "app/option_commands.h"
#include "app/shell.h"
#include "app/shell_views.h"
#include "app/upper_graph.h"
#include "binary/binary_fixture.h"
#include "binary/binary_writer.h"
#include "case_file.h"
#include "graphs/fixed_font_metrics.h"
#include "model/message_sink.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

constexpr char kZef1[] = "data/samples/two-way-zef1.txt";
constexpr char kZef2[] = "data/samples/coax-zef2-v2.txt";

std::string Sample(std::string_view name) {
  return name == "zef1" ? kZef1 : name == "coax" ? kZef2 : name == "-" ? "" : std::string(name);
}

template <class T>
std::string N(T v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(v));
  return text;
}

using Args = std::vector<std::string>;
using testing::Joined;

std::string Bits(std::initializer_list<bool> on) {
  return Joined(on, "", [](bool b) { return b ? "1" : "0"; });
}

std::string Hex(unsigned v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", v);
  return text;
}

// A shell over the scripted desktop, its configuration in a scratch folder.
struct ShellRig {
  Shell& Started(std::string_view file = {}) {
    shell_.Start(file);
    desktop_.log.clear();
    desktop_.boxes.clear();
    return shell_;
  }

  // Starts on the case's file, does its actions and checks each "key=value"
  // that follows them (cases/shell.txt tells the words).
  void Run(const zef::testing::Case& c) {
    const bool options = c[0].starts_with("options:");  // an options file of this text first
    if (options) dir_.Write("config/ZEFOptions.DAT", c[0].substr(8));
    shell_.Start(options ? "" : Sample(c[0]));
    startBoxes_ = BoxesText();
    desktop_.log.clear();
    desktop_.boxes.clear();
    shell_.Phase().TakeRedraw();
    std::map<std::string, std::string> each;
    std::istringstream actions(c[1] == "-" ? "" : c[1]);
    for (std::string token; actions >> token;) {
      Act(token);
      for (std::size_t i = 2; i < c.fields.size(); ++i) {
        if (c[i].starts_with("each:")) {
          std::string& trace = each[c[i].substr(5, c[i].find('=') - 5)];
          trace += (trace.empty() ? "" : " ; ") + Probe(c[i].substr(5, c[i].find('=') - 5));
        }
      }
    }
    for (std::size_t i = 2; i < c.fields.size(); ++i) {
      const std::size_t eq = c[i].find('=');
      const std::string key = c[i].substr(0, eq);
      const std::string got = key.starts_with("each:") ? each[key.substr(5)] : Probe(key);
      EXPECT_EQ(got, c[i].substr(eq + 1)) << c.where << " " << key;
    }
  }

  void Act(const std::string& token) {
    int id = 0, value = 0, thumb = 0;
    char text[64] = "";
    const char* t = token.c_str();
    if (std::sscanf(t, "c%d=%d", &id, &value) >= 1)
      return Changed(shell_.ControlCommand(id, value));
    if (std::sscanf(t, "m%d", &id) == 1) return Changed(shell_.MenuCommand(id));
    if (std::sscanf(t, "p%d", &id) == 1) return shell_.PhaseCommand(id);
    if (std::sscanf(t, "d%d", &id) == 1) return Changed(shell_.OptionsDialogCommand(id));
    if (std::sscanf(t, "font:%63[^:]:%d", text, &value) == 2) {
      std::string face = text;
      std::replace(face.begin(), face.end(), '_', ' ');
      return shell_.SetDialogFont(face, value);
    }
    if (std::sscanf(t, "s%d:%d:%d", &id, &value, &thumb) == 3) {
      return Changed(shell_.Scroll(id, static_cast<ScrollAction>(value), thumb));
    }
    if (std::sscanf(t, "t%d", &id) == 1) return Changed(shell_.TimerTick(id));
    if (std::sscanf(t, "chose:%63s", text) == 1) return desktop_.chosen.push_back(Sample(text));
    if (std::sscanf(t, "open:%63s", text) == 1) return Changed(shell_.OpenNamed(Sample(text)));
    if (std::sscanf(t, "az:%d", &value) == 1) {
      return static_cast<void>(shell_.MutableState().balloonCamera.azimuth = value);
    }
    if (std::sscanf(t, "mouse:%d:%d", &id, &value) == 2) {
      return static_cast<void>(
          shell_.Phase().Mouse({static_cast<view3d::MouseAction>(id), value, 100}, 400, 300));
    }
    if (std::sscanf(t, "binary:%d:%d", &id, &value) == 2) return Changed(OpenBinary(id, value));
    if (token == "cam") return shell_.MainCameraMoved();
    if (token == "ctrl") return static_cast<void>(desktop_.control = true);
    if (token == "refuse") return static_cast<void>(desktop_.opens = false);
    if (token == "tick") {
      shell_.TimerTick(kInfoBlinkTimer);
      return Changed(shell_.TimerTick(kWarningBlinkTimer));
    }
    if (token == "warn")
      return static_cast<void>(shell_.MutableState().warningBlink = {true, 0, false});
    ADD_FAILURE() << "unknown action " << token;
  }
  void Changed(Changes changes) { rets_.push_back(changes); }

  // Opens a distribution file of a type, with or without its axial spectrum,
  // and with a PDF info file.
  Changes OpenBinary(int type, bool axial) {
    auto set = binary::testing::FilledSet(model::FormatKind::Zef1);
    set->info->type = static_cast<model::SpeakerType>(type);
    set->info->presenceFlags &= ~model::presence::kAxialSpectrum;
    set->info->presenceFlags |= axial ? model::presence::kAxialSpectrum : 0;
    binary::testing::AddEmbeddedFiles(*set, model::EmbeddedKind::Pdf);
    std::string error;
    EXPECT_TRUE(binary::WriteBinaryFile(dir_.Path("box.ZF1"), *set, {}, error)) << error;
    return shell_.OpenNamed(dir_.Path("box.ZF1").string());
  }

  std::string BoxesText() const { return Joined(desktop_.boxes, " ; "); }

  // The text a key names, the scratch folder and the working folder shown
  // as "<tmp>" and "<cwd>".
  std::string Probe(const std::string& key) {
    const auto colon = key.find(':');
    const int arg = colon == std::string::npos ? 0 : std::stoi(key.substr(colon + 1));
    const ShellState& s = shell_.State();
    const ViewCamera& c = s.Camera();
    const DialogControls d = ControlStates(s, shell_.Options(), shell_.Holder().Loaded());
    const phase::PhaseWindowModel& w = shell_.Phase().Window();
    const view3d::ViewCamera seen = w.BalloonCamera();
    std::map<std::string, std::string> p;
    p["ret"] = rets_.empty() ? "" : N(rets_.back());
    p["rets"] = Joined(rets_, ",", N<Changes>);
    p["startboxes"] = startBoxes_;
    p["boxes"] = BoxesText();
    p["log"] = Joined(desktop_.log, " ; ");
    p["loaded"] = Bits({s.fileLoaded});
    p["file"] = shell_.CurrentFile();
    p["recent"] = Joined(shell_.Recent().Files(), ",");
    p["upper"] = N(s.upper);
    p["lower"] = N(s.lower);
    p["cabinet"] = N(s.cabinet);
    p["ea"] = N(s.eaSelection);
    p["brange"] = N(s.balloonRange);
    p["prange"] = N(s.polarRange);
    p["camera"] = N(c.azimuth) + "," + N(c.elevation) + "," + N(c.distance);
    p["balloon"] = N(s.balloonCamera.azimuth) + "," + N(s.balloonCamera.distance);
    p["window"] = N(s.bandWindowFirst) + "-" + N(s.bandWindowLast);
    p["band"] = N(s.selectedBand);
    p["direction"] = N(s.spectra[1].arc) + "," + N(s.spectra[1].point);
    p["options"] = Hex(shell_.Options().Bits());
    if (key.starts_with("menu:"))
      p["menu"] = Bits({shell_.Menu().at(arg).enabled, shell_.Menu().at(arg).checked});
    p["help"] = shell_.StatusHelp(arg);
    p["qlabel"] = shell_.Sheet().Row(SheetRowId::AxialQ).label;
    p["blink"] = shell_.Blinks().infoButton + "/" + shell_.Blinks().axialLabel;
    p["controls"] = Bits({d.upperZoomShown, d.lowerZoomShown, d.lowerZoomIn, d.lowerZoomOut,
                          d.spectraBarsShown, d.bandComboEnabled});
    p["bars"] = d.columnLabels.front() + " " + N(d.arcMaximum) + " " + N(d.pointMaximum) + " " +
                Bits({d.bandsDown, d.bandsUp}) + " " + N(d.lowerRadio);
    if (s.fileLoaded) {
      const ExportRequest r =
          LowerGraphRequest(s, shell_.Options(), *shell_.Holder().Loaded(), 9, 9);
      p["graph"] = N(r.view) + " " + N(r.range.value_or(0)) + " " + N(r.arc) + " " + r.band;
    }
    p["phase"] = Bits({w.Visible(), w.FilterModesEnabled(), w.Unwrap()});
    p["caption"] = w.Caption();
    p["mode"] = N(w.Mode());
    p["seen"] = N(seen.azimuth) + "," + N(seen.elevation) + "," + N(seen.distance);
    if (key.starts_with("copy:")) {
      desktop_.clipboard.reset();
      shell_.MenuCommand(arg);
      const auto& clip = desktop_.clipboard;
      p["copy"] = !clip ? "none" : clip->formats.empty() ? "text" : "pictures";
    }
    if (key == "pdfinfo") {  // the info file button: the PDF opened through a temporary file
      testing::DesktopFake desktop;
      TemporaryFiles files(dir_.Path(""));
      const InfoWindow w =
          InfoCommand(desktop, control::kInfoFileButton, "", shell_.Holder(), files);
      p[key] =
          N(w.kind) + " " + w.title + w.text + N(files.Files().size()) + " " +
          N(files.Files().size() == 1 && desktop.log == Args{"open " + files.Files()[0].string()});
    }
    StoredOptions saved;
    p["saved"] = LoadOptionsFile(shell_.OptionsFile(), saved) ? Hex(saved.options.Bits()) : "none";
    if (key == "restart") {  // a second shell from the same configuration
      testing::DesktopFake next;
      Shell again(next, errors_, {dir_.Path("config"), dir_.Path("program"), "z", ""}, false);
      again.Start({});
      p[key] = Joined(next.boxes, " ; ") + "|" + again.Stored().fontFace;
    }
    if (key == "redraw") {
      const phase::Redraw r = shell_.Phase().TakeRedraw();
      p["redraw"] = Bits({r.balloon, r.curves});
    }
    const auto probe = p.find(key.substr(0, colon));
    if (probe == p.end()) return "unknown key " + key;
    std::string text = probe->second;
    testing::ReplaceAll(text, dir_.Path("").string(), "<tmp>/");
    testing::ReplaceAll(text, std::filesystem::current_path().string() + "/", "<cwd>/");
    return text;
  }

  wav::testing::TempDir dir_;
  testing::DesktopFake desktop_;
  ListWindowLines errors_{ListWindowLines::kErrorRules};
  Shell shell_{desktop_,
               errors_,
               {dir_.Path("config"), dir_.Path("program"), "/bin/zefview", "myedit"},
               false};
  std::string startBoxes_;
  std::vector<Changes> rets_;
};

class ShellTest : public ::testing::Test, public ShellRig {};

TEST(ShellScript, Cases) {
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/shell.txt"))
    ShellRig().Run(c);
}

// Every menu entry with its shortcut, its state (- grey, o on, x on and
// checked, # grey and checked) with no file, with the two-way sample, after
// shade and 6 dB tics, with the options dialog open; and its status help.
TEST(MainMenu, EntriesStatesAndHelp) {
  ShellRig rig;
  std::vector<std::map<int, MenuItemState>> states;
  for (const char* step : {"", "open", "39", "35", "54"}) {
    if (*step == 'o') rig.shell_.OpenNamed(kZef1);
    if (std::isdigit(*step)) rig.shell_.MenuCommand(std::stoi(step));
    if (std::string_view(step) != "39") states.push_back(rig.shell_.Menu());
  }
  std::string table;
  for (const MenuEntry& entry : MenuBar()) {
    std::string text(entry.text);
    if (const auto tab = text.find('\t'); tab != std::string::npos) text.replace(tab, 1, " / ");
    if (entry.kind == MenuEntry::kSeparator) text = "----";
    if (entry.kind == MenuEntry::kEndSubmenu) text = "end";
    if (entry.kind != MenuEntry::kCommand) table += "  " + text + "\n";
    if (entry.kind != MenuEntry::kCommand) continue;
    table += std::to_string(entry.id) + " " + text + " [" + std::string(entry.shortcut) + "] ";
    for (const auto& menu : states)
      table += "-o#x"[menu.at(entry.id).enabled + 2 * menu.at(entry.id).checked];
    table += " " + rig.shell_.StatusHelp(entry.id) + "\n";
  }
  zef::testing::ExpectGolden("app/golden/main_menu.txt", table);
}

TEST_F(ShellTest, ColorMapReadoutNamesBandAngleAndLevel) {
  Started(kZef2);
  const graphs::FixedFontMetrics fonts;
  model::LineSink errors;
  graphs::GraphWindow window(600, 400, fonts, errors);
  shell_.ControlCommand(control::kPolarsRadio + 1);
  std::string error;
  ASSERT_TRUE(BuildLowerGraph(
      LowerGraphRequest(shell_.State(), shell_.Options(), *shell_.Holder().Loaded(), 600, 400),
      shell_.Holder(), false, window, error));
  // Band coordinate and angle of the lower (vertical) map; the upper map lies 200 higher.
  const auto at = [&](double band, double angle, int shift) {
    const graphs::PixelPoint p = window.WorldToDevice(band, angle);
    return ColorMapReadout(window, shell_.Holder(), shell_.Options(), true, p.x, p.y - shift);
  };
  EXPECT_EQ(at(5.0, 32, 200).substr(0, 18), "125 Hz ; 30 Deg ; ");
  EXPECT_EQ(at(5.0, -47, 0).substr(0, 18), "125 Hz ; -45 Deg ;");
  // Band 3 (50 Hz) lies below the file's first band, 27.6 beyond its last.
  EXPECT_EQ(at(1.0, 0, 0) + at(27.6, 0, 0), "");
  EXPECT_NE(at(27.4, 0, 0).find(","), std::string::npos);  // a decimal comma
}

TEST_F(ShellTest, UpperGraphTurnsWithTheMouseAndDrawsTheCabinet) {
  Started(kZef2);
  model::LineSink debug;
  UpperGraph upper(debug);
  upper.SetSize(400, 300);
  EXPECT_FALSE(upper.Rebuild(*shell_.SetForDrawing(), shell_.State(), shell_.Options()));
  EXPECT_GT(upper.PolygonCount(), 0u);
  ShellState& state = shell_.MutableState();
  upper.Mouse({view3d::MouseAction::kLeftDown, 100, 100, false}, state);
  EXPECT_TRUE(upper.Mouse({view3d::MouseAction::kMove, 60, 100, false}, state));
  EXPECT_FALSE(upper.Mouse({view3d::MouseAction::kMove, 61, 100, false}, state));  // under 2 pixels
  EXPECT_EQ(state.balloonCamera.azimuth, 70.0f);
  upper.Mouse({view3d::MouseAction::kLeftUp, 61, 100, false}, state);
  using view3d::HintChange;
  const std::pair<int, HintChange> hovers[] = {{50, HintChange::kShow},
                                               {60, HintChange::kNone},
                                               {-1, HintChange::kRestore},
                                               {-5, HintChange::kNone}};
  for (const auto& [x, change] : hovers) {
    EXPECT_EQ(upper.Hover({view3d::MouseAction::kMove, x, 50, false}), change) << x;
  }
  shell_.ControlCommand(control::kCabinetRadio);
  EXPECT_FALSE(upper.Rebuild(*shell_.SetForDrawing(), shell_.State(), shell_.Options()));
  // The rectangular box is drawn in lines.
  EXPECT_EQ(std::pair(upper.PolygonCount(), shell_.State().cabinetCamera.azimuth),
            std::pair(std::size_t{0}, 70.0f));
}

}  // namespace
}  // namespace zef::app
