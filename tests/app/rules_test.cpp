#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/clipboard_tables.h"
#include "app/data_sheet.h"
#include "app/desktop_links.h"
#include "app/dialog_ids.h"
#include "app/export_request.h"
#include "app/export_sheet.h"
#include "app/fake_platform.h"
#include "app/file_names.h"
#include "app/graph_copy.h"
#include "app/info_commands.h"
#include "app/info_popups.h"
#include "app/list_window_model.h"
#include "app/loaded_file_texts.h"
#include "app/message_text.h"
#include "app/open_flow.h"
#include "app/option_commands.h"
#include "app/options_file.h"
#include "app/phase_display.h"
#include "app/picture_file_name.h"
#include "app/view_commands.h"
#include "binary/binary_fixture.h"
#include "case_file.h"
#include "graphs/fixed_font_metrics.h"
#include "model/fixed_text.h"
#include "model/message_sink.h"
#include "wav/wav_image.h"

// Rules of the application layer that take a few values and give a text:
// each case file line names a rule, its inputs and, after "=>" or as its last
// field, what the rule gives.
namespace zef::app {
namespace {

using Args = std::vector<std::string>;
using A = const Args&;
using testing::Joined;
using Bytes = std::vector<std::uint8_t>;

int I(const std::string& text) {
  return static_cast<int>(std::stol(text, nullptr, 0));
}

template <class T>
std::string Num(T v) {
  return std::to_string(static_cast<long long>(v));
}

WindowPlace Place(const std::string& text) {
  WindowPlace p;
  std::istringstream(text) >> p.x >> p.y >> p.width >> p.height;
  return p;
}

std::string Shown(const WindowPlace& p) {
  return Num(p.x) + " " + Num(p.y) + " " + Num(p.width) + " " + Num(p.height);
}

std::string Creator(A a) {
  model::InfoRecord info{};
  model::SetText(info.author, a[0]);
  info.creatorCategory = static_cast<std::uint32_t>(std::stoi(a[1]));
  return CreatorStatusLine(info);
}

// Every field of a request, and the scale it draws at.
std::string Describe(const ExportRequest& r) {
  const auto opt = [](const auto& v) { return v ? std::to_string(*v) : std::string("-"); };
  std::ostringstream out;
  out << InfoOf(r.view).name << " ea " << opt(r.eaSelection) << ", arc " << r.arc << ", point "
      << r.point << (r.directionGiven ? " given" : "") << ", band " << r.band << ", size "
      << r.width << "x" << r.height << ", options " << std::hex << r.options.Bits() << std::dec
      << ", range " << opt(r.range) << ", camera " << r.azimuth << " " << r.elevation << " "
      << opt(r.distance) << (r.perspective ? " perspective" : "") << ", cabinet "
      << (r.cabinet ? kCabinetNames[static_cast<int>(*r.cabinet)] : "-") << ", phase "
      << kPhaseModeNames[static_cast<int>(r.phaseMode)] << (r.unwrap ? " unwrapped" : "")
      << (r.bare ? ", bare" : "") << ", scale " << ExportScale(r) << ", " << r.output << " from "
      << r.file;
  return out.str();
}

std::string Export(A a) {
  std::istringstream words(a[0]);
  const Args storage{std::istream_iterator<std::string>(words), {}};
  const ParsedExport parsed =
      ParseExportArguments(std::vector<std::string_view>(storage.begin(), storage.end()));
  return parsed.request ? Describe(*parsed.request) : "! " + parsed.error;
}

std::string Caption(A a) {
  model::DataSet set(a[1] == "zef1" ? model::FormatKind::Zef1 : model::FormatKind::Zef2);
  set.info->type = static_cast<model::SpeakerType>(std::stoi(a[4]));
  model::SetText(set.info->manufacturer, a[5]);    // UTF-8 kept
  model::SetText(set.info->modelName, "Box\xE9");  // Latin-1 converted
  ExportRequest request;
  request.view = FindExportView(a[0])->view;
  request.options = graphs::OptionSet(static_cast<std::uint32_t>(std::stoul(a[3], nullptr, 16)));
  return ExportCaption(request, set, std::stoi(a[2]), "Sensitivity");
}

std::string Popup(A a) {
  const auto info = std::make_unique<model::InfoRecord>();
  model::SetText(info->sensitivityInfo, "1 W / 1 m, half space");
  model::SetText(info->impedanceInfo, "free air");
  model::SetText(info->axialSpectrumInfo, "pink noise");
  info->type = static_cast<model::SpeakerType>(std::stoi(a[1]));
  info->maxInputKind = static_cast<model::MaxInputKind>(std::stoi(a[2]));
  info->maxInputValue = 40.0f;
  info->maxInputMethod = static_cast<model::TestMethod>(std::stoi(a[3]));
  if (!a[4].empty()) {
    info->presenceFlags |= model::presence::kMethodInfo;
    model::SetText(info->methodInfo, a[4] == "x250" ? std::string(250, 'x') : a[4]);
  }
  const OffAxisWarnings warnings{a[5][0] == '1', a[5][1] == '1'};
  return InfoPopupBody(static_cast<InfoButton>(I(a[0])), *info, warnings).value_or("-");
}

// Names each picture by its format and footer; `broken` fails, as does a
// file in a folder "absent".
class FakeRenderer final : public GraphRenderer {
 public:
  std::string Render(const graphs::GraphWindow&, graphs::PictureFormat format,
                     graphs::FooterPlacement footer) const override {
    if (static_cast<int>(format) == broken) return {};
    return std::string("png svg pdf emf").substr(4 * static_cast<std::size_t>(format), 3) +
           (footer == graphs::FooterPlacement::kBottomRight ? " right" : " centre");
  }
  bool Write(const graphs::GraphWindow&, const std::filesystem::path& path, graphs::FooterPlacement,
             std::string&) const override {
    written = path.string();
    return !written.starts_with("absent/");
  }
  int broken = -1;
  mutable std::string written;
};

std::string Copy(A a) {
  const graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  const graphs::GraphWindow graph{300, 200, metrics, errors};
  testing::DesktopFake desktop;
  FakeRenderer renderer;
  renderer.broken = std::stoi(a[1]);
  if (a[3] != "-") desktop.saveAs = SaveChoice{a[3], a[4]};
  CopyGraph(desktop, renderer, graph, *GraphCopyOf(std::stoi(a[0])),
            graphs::FooterPlacement::kBottomRight, a[2]);
  Args seen;
  for (const ClipboardFormat& f : desktop.clipboard.value_or(ClipboardPayload{}).formats) {
    seen.push_back(f.mimeType + (f.mimeType == kPngMime ? " (" + f.bytes + ")" : ""));
  }
  for (const std::string& line : desktop.log) seen.push_back("[" + line + "]");
  for (const std::string& box : desktop.boxes) seen.push_back(box.substr(3));
  return Joined(seen, " ") + " | " + renderer.written;
}

std::string ListCopy(A a) {
  testing::DesktopFake desktop;
  desktop.answers = {a[2].ends_with("yes")};
  ListWindowModel list(ListWindowLines::kErrorRules, a[0] == "error"   ? kErrorWindowTitle
                                                     : a[0] == "debug" ? kDebugWindowTitle
                                                                       : a[0]);
  for (const char* line : {"Error on line: 3", "second", ""}) list.WriteLine(line);
  const bool copied = list.CopyOnDoubleClick(desktop, std::stoul(a[1]), a[2].starts_with("ctrl"));
  std::string got = copied ? "copied | " : "not copied | ";
  for (const auto& box : desktop.boxes) got += desktop.captions.at(0) + ": " + box.substr(3);
  const auto& clip = desktop.clipboard;
  return got + " | " + (clip ? clip->text : "-") +
         (clip && !clip->formats.empty() ? " and pictures" : "");
}

// Counts what a window would be told.
class CountingList : public ListWindowLines {
 public:
  using ListWindowLines::ListWindowLines;
  int opened = 0, closed = 0, removed = 0;

 protected:
  void OnOpened() override { ++opened; }
  void OnLineAdded(const std::string&, bool oldestRemoved) override { removed += oldestRemoved; }
  void OnClosed() override { ++closed; }
};

// Writes pieces and lines as list_lines.txt tells.
std::string Lines(A a) {
  CountingList list(a[0] == "error" ? ListWindowLines::kErrorRules : ListWindowLines::kDebugRules);
  for (std::size_t i = 1; i < a.size(); ++i) {
    const std::string arg = a[i].substr(a[i].find(':') + 1);
    const auto star = arg.rfind('*');
    const std::string text = star > 0 && star != std::string::npos
                                 ? std::string(std::stoul(arg.substr(star + 1)), arg[0])
                                 : arg;
    const char op = a[i][0];
    if (op == 's') list.WriteString(text);
    if (op == 'n') list.WriteNumber(std::stoi(arg));
    if (op == 'c') list.WriteChar(arg[0]);
    if (op == 'b') list.WriteBoolean(arg == "1");
    if (op == 'w') list.WriteLine(arg);
    if (op == 'e') a[i] == "end" ? list.EndLine() : list.EndPendingLine();
    if (op == 'x') list.Close();
    for (int n = 1; op == 'l' && n <= std::stoi(arg); ++n) list.WriteNumber(n), list.EndLine();
    if (op == 't') std::thread([&list] { list.WriteLine(" lost"), list.Close(); }).join();
  }
  const auto& lines = list.Lines();
  const std::string pending = list.PendingLine();
  std::string got = Num(lines.size()) + " lines";
  if (!lines.empty()) got += ", first " + lines.front() + ", last " + lines.back();
  return got + " | pending " + Num(pending.size()) + " " +
         pending.substr(pending.size() < 3 ? 0 : pending.size() - 3) + " | opened " +
         Num(list.opened) + " closed " + Num(list.closed) + " removed " + Num(list.removed) +
         (list.IsOpen() ? " open" : "");
}

// Bytes from words: "4:N" a 4-byte number, "2:N" and "1:N" likewise, "magic",
// "face:TEXT" its characters ("_" a space, "x*3" "xxx"), "pad:N" zeros up to
// N bytes in all.
Bytes Made(const std::string& layout) {
  Bytes b;
  std::istringstream words(layout);
  for (std::string w; words >> w;) {
    if (w.starts_with("face:")) {
      std::string face = w.substr(5);
      if (const auto star = face.find('*'); star != std::string::npos) {
        face = std::string(std::stoul(face.substr(star + 1)), face[0]);
      }
      std::replace(face.begin(), face.end(), '_', ' ');
      b.insert(b.end(), face.begin(), face.end());
    } else if (w.starts_with("pad:")) {
      b.resize(std::stoul(w.substr(4)), 0);
    } else {
      const std::uint32_t v = w == "magic"
                                  ? kOptionsMagic
                                  : static_cast<std::uint32_t>(std::stoul(w.substr(2), nullptr, 0));
      for (int byte = 0; byte < (w == "magic" ? 4 : w[0] - '0'); ++byte)
        b.push_back(static_cast<std::uint8_t>(v >> 8 * byte));
    }
  }
  return b;
}

std::string Decoded(A a) {
  StoredOptions o;
  o.words[0] = 99;  // a failed decode must leave it
  const bool read = DecodeOptions(Made(a[0]), o);
  std::ostringstream out;
  out << (read ? "" : "refused ") << std::hex << std::showbase << o.options.Bits() << std::dec
      << " " << o.words[0] << " " << o.words[1] << " " << o.words[2] << " " << o.fontFace << " "
      << o.fontSize << " " << int{o.graphicsFont};
  return out.str();
}

std::string SheetBands(A a) {
  const model::DataSet set =
      testing::SheetSet(a[0] == "zef1" ? model::FormatKind::Zef1 : model::FormatKind::Zef2,
                        std::stoi(a[1]), std::stoi(a[2]));
  const DataSheet sheet = BuildDataSheet(set, {}, {}, false, "box.ZF1");
  const BandWindow window = InitialBandWindow(set);
  std::string got =
      Num(sheet.selectedBand) + " " + Num(window.first) + "-" + Num(window.last) + " |";
  for (const int band : ColumnBands(set, std::stoi(a[3]))) got += " " + Num(band);
  return got + " |" + (sheet.bandChoices.empty() ? "" : " " + Joined(sheet.bandChoices, " "));
}

// An information button pressed on the coax sample's sheet (or with
// nothing loaded): the window's kind, its title, its text's first line cut
// to 40 characters, and what the desktop was asked.
std::string Info(A a) {
  static const std::unique_ptr<DataSetHolder> coax = [] {
    auto holder = std::make_unique<DataSetHolder>();
    testing::DesktopFake desktop;
    ListWindowLines errors(ListWindowLines::kErrorRules);
    OpenDataFile("data/samples/coax-zef2-v2.txt", *holder, {desktop, errors});
    return holder;
  }();
  const wav::testing::TempDir dir;
  TemporaryFiles files(dir.Path(""));
  testing::DesktopFake desktop;
  const DataSetHolder none;
  const InfoWindow w =
      InfoCommand(desktop, std::stoi(a[0]), a[1], a[2] == "coax" ? *coax : none, files);
  return Num(w.kind) + " | " + w.title + " | " + w.text.substr(0, w.text.find('\r')).substr(0, 40) +
         " | " + Joined(desktop.log, " ") + Joined(Args(desktop.boxes.size(), "box"), " ");
}

std::string Recent(A a) {
  const wav::testing::TempDir dir;
  RecentFiles recent(dir.Path("cfg") / "recent");
  std::istringstream names(a[0]);
  for (std::string name; names >> name;) recent.Add(name);
  RecentFiles again(dir.Path("cfg") / "recent");
  again.Load();
  return Joined(again.Files(), " ");
}

// A window place stored ("save:X Y W H") or a store's text, read back.
std::string StoredPlace(A a) {
  const wav::testing::TempDir dir;
  const auto store = dir.Path("window");
  if (a[0].starts_with("save:")) {
    EXPECT_TRUE(SaveWindowPlace(store, Place(a[0].substr(5))));
  } else {
    dir.Write("window", a[0]);
  }
  WindowPlace p;
  return LoadWindowPlace(store, p) ? Shown(p) : "refused";
}

std::string PhaseShown(A a) {
  auto set = binary::testing::FilledSet(model::FormatKind::Zef2, 2);
  if (a[0] == "1") binary::testing::AddPhase(*set, model::FilterKind::FirWav);
  LoadedFile file;
  file.set = std::move(set);
  file.loadedFromText = a[1] == "1";
  DataSetHolder holder;
  holder.Install(std::move(file));
  PhaseDisplay display;
  display.Loaded(holder, ShellState{});
  return Num(display.Active()) + Num(display.Window().Visible());
}

std::string TablesOffered(A a) {
  model::DataSet set = testing::SheetSet(model::FormatKind::Zef2, 3, 29);
  if (a[0] == "1") set.info->presenceFlags |= model::presence::kAxialSpectrum;
  set.info->type = static_cast<model::SpeakerType>(std::stoi(a[1]));
  const bool valid = a[2] == "1", fromText = a[3] == "1";
  return Num(SensitivityTableAvailable(set, valid, fromText)) +
         Num(AxialSpectrumTableAvailable(set, valid, fromText));
}

// Impedances by band ("8:4.5") over a set's whole range.
std::string Impedances(A a) {
  model::DataSet set(a[0] == "zef1" ? model::FormatKind::Zef1 : model::FormatKind::Zef2);
  set.data.MinBand() = a[0] == "zef1" ? 1 : 3;
  set.data.MaxBand() = a[0] == "zef1" ? 9 : 29;
  const std::span<float> impedance = set.data.Array(model::PerBand::Impedance);
  std::ranges::fill(impedance, model::kNoData);
  impedance[0] = 1.0f;  // outside the range
  std::istringstream values(a[1]);
  for (std::size_t band; values >> band;) values.ignore() >> impedance[band];
  const model::ImpedanceFigures f = model::ImpedanceFiguresOf(set);
  std::ostringstream out;
  out << f.lowest << " " << f.reducedLowest;
  return out.str();
}

const std::map<std::string, std::function<std::string(A)>> kRules = {
    {"MessageBoxText", [](A a) { return MessageBoxText(a[0]); }},
    {"ShortenText", [](A a) { return ShortenText(a[0], I(a[1])); }},
    {"WindowTitleFor", [](A a) { return WindowTitleFor(a[0]); }},
    {"StatusPathFor", [](A a) { return StatusPathFor(a[0]); }},
    {"CreatorStatusLine", Creator},
    {"WebSiteUrl", [](A a) { return WebSiteUrl(a[0]); }},
    {"WithPictureExtension", [](A a) { return WithPictureExtension(a[0], a[1]); }},
    {"InfoPopupTitle", [](A a) { return InfoPopupTitle(a[0]); }},
    {"DataFileKindOf", [](A a) { return Num(DataFileKindOf(a[0])); }},
    {"CommandLineFile",
     [](A a) { return CommandLineFile(std::vector<std::string_view>(a.begin(), a.end())); }},
    {"FitToScreen", [](A a) { return Shown(FitToScreen(Place(a[0]), Place(a[1]))); }},
    {"PolarRangeFor10DbTics", [](A a) { return Num(PolarRangeFor10DbTics(I(a[0]))); }},
    {"PolarRangeFor6DbTics", [](A a) { return Num(PolarRangeFor6DbTics(I(a[0]))); }},
    {"PolarZoomInOut",
     [](A a) {
       return Num(PolarZoomInEnabled(I(a[0]), graphs::OptionSet(I(a[1])))) +
              Num(PolarZoomOutEnabled(I(a[0]), graphs::OptionSet(I(a[1]))));
     }},
    {"LowerViewOfRadio", [](A a) { return Num(control::LowerViewOfRadio(I(a[0]))); }},
    {"TopLineFor", [](A a) { return Num(TopLineFor(I(a[0]))); }},
    {"GraphCopyOf",
     [](A a) {
       const auto c = GraphCopyOf(I(a[0]));
       return c ? Num(c->upper) + " " + Num(c->output) : "none";
     }},
    {"CopyFooter",
     [](A a) { return Num(CopyFooter(a[0] == "1", static_cast<LowerView>(I(a[1])))); }},
    {"Export", Export},
    {"ExportCaption", Caption},
    {"InfoPopupBody", Popup},
    {"CopyGraph", Copy},
    {"ListCopy", ListCopy},
    {"ListLines", Lines},
    {"DecodeOptions", Decoded},
    {"SheetBands", SheetBands},
    {"PhaseShown", PhaseShown},
    {"TablesOffered", TablesOffered},
    {"ImpedanceFigures", Impedances},
    {"InfoCommand", Info},
    {"RecentFiles", Recent},
    {"WindowPlace", StoredPlace},
};

TEST(Rules, Cases) {
  for (const char* file :
       {"rules", "export_arguments", "export_captions", "info_popups", "graph_copy", "list_copy",
        "list_lines", "options_files", "sheet_bands", "app_rules"}) {
    for (const zef::testing::Case& c :
         zef::testing::ReadCases(std::string("app/cases/") + file + ".txt")) {
      const auto rule = kRules.find(c[0]);
      ASSERT_NE(rule, kRules.end()) << c.where;
      auto arrow = std::find(c.fields.begin(), c.fields.end(), "=>");
      const bool split = arrow != c.fields.end();
      if (!split) --arrow;
      const Args expected(arrow + split, c.fields.end());
      EXPECT_EQ(rule->second(Args(c.fields.begin() + 1, arrow)), Joined(expected, " | "))
          << c.where;
    }
  }
  EXPECT_EQ(AboutTitle(), "ZEF reader/viewer v" ZEF_TEST_VERSION);
}

TEST(ListWindowModel, WidestLineAndPlacementLastUntilTheyAreReset) {
  ListWindowModel list(ListWindowLines::kErrorRules, kErrorWindowTitle);
  list.WriteLine("first");
  std::string wider;  // whether each width was the widest yet
  for (const int width : {120, 120, 80, 121}) wider += list.NoteLineWidth(width) ? 'y' : 'n';
  EXPECT_EQ(wider, "ynny");
  list.OutOfSpace();  // emptied, still open, widths start again
  EXPECT_EQ(std::tuple(list.Lines().empty(), list.IsOpen(), list.WidestLine()),
            std::tuple(true, true, 0));
  list.NoteLineWidth(50);
  list.SavePlacement({10, 20, 300, 90});
  list.Close();
  EXPECT_EQ(std::pair(list.IsOpen(), list.WidestLine()), std::pair(false, 0));
  list.WriteLine("again");  // reopens where it was closed
  EXPECT_EQ(list.SavedPlacement(), (WindowPlacement{10, 20, 300, 90}));
}

TEST(OptionsFile, WritesNinetyOneBytesThatReadBack) {
  const StoredOptions options{graphs::OptionSet(0x1234), {1, 0xFFFFFFFF, 3}, "DejaVu Sans", 11, 1};
  EXPECT_EQ(EncodeOptions(options),
            Made("magic 4:3 4:0x1234 4:1 4:0xFFFFFFFF 4:3 face:DejaVu_Sans pad:88 2:11 1:1"));
  wav::testing::TempDir dir;
  const auto path = dir.Path(kOptionsFileName);
  ASSERT_TRUE(SaveOptionsFile(path, options));
  StoredOptions read;
  ASSERT_TRUE(LoadOptionsFile(path, read));
  EXPECT_EQ(read, options);
  EXPECT_FALSE(LoadOptionsFile(dir.Path("missing.DAT"), read));
  // Neither a pipe (which would never deliver) nor a device is read.
  ASSERT_EQ(::mkfifo(dir.Path("pipe.DAT").c_str(), 0600), 0);
  EXPECT_FALSE(LoadOptionsFile(dir.Path("pipe.DAT"), read));
  EXPECT_FALSE(LoadOptionsFile("/dev/zero", read));
  EXPECT_EQ(read, options);
  EXPECT_FALSE(SaveOptionsFile(dir.Path("no") / "such" / "x.DAT", options));
}

}  // namespace
}  // namespace zef::app
