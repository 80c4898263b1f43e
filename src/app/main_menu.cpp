#include "app/main_menu.h"

#include <array>

#include "app/option_commands.h"

namespace zef::app {
namespace {

using K = MenuEntry::Kind;
using graphs::Option;

constexpr MenuEntry Sub(std::string_view text) {
  return {K::kSubmenu, 0, text, {}};
}
constexpr MenuEntry End() {
  return {K::kEndSubmenu, 0, {}, {}};
}
constexpr MenuEntry Sep() {
  return {K::kSeparator, 0, {}, {}};
}
constexpr MenuEntry Cmd(int id, std::string_view text, std::string_view key = {}) {
  return {K::kCommand, id, text, key};
}

constexpr auto kMenuBar = std::to_array<MenuEntry>({
    Sub("&File"),
    Cmd(10, "&Open Text-format...\tCtrl+O", "Ctrl+O"),
    Cmd(11, "&Reopen Text-format...\tCtrl+R", "Ctrl+R"),
    Cmd(12, "&Edit Text-format...\tCtrl+E"),
    Sep(),
    Cmd(13, "Open Distribution &Binary...\tCtrl+B", "Ctrl+B"),
    Sep(),
    Cmd(16, "E&xit"),
    End(),
    Sub("&Edit"),
    Sub("Copy 2D Graph"),
    Cmd(20, "As Bitmap"),
    Cmd(21, "As Meta"),
    Cmd(22, "To Meta File..."),
    End(),
    Sub("Copy 3D Graph"),
    Cmd(23, "As Bitmap"),
    Cmd(24, "As Meta"),
    Cmd(25, "To Meta File..."),
    End(),
    Sub("Copy EA Data"),
    Cmd(28, "Sensitivit&y"),
    Cmd(29, "Axial Spectrum", "Ctrl+Y"),
    End(),
    End(),
    Sub("&Options"),
    Sub("Polar Reference"),
    Cmd(30, "On Axis Value"),
    Cmd(31, "Max Sensitivity"),
    End(),
    Cmd(32, "Heavy &Polar Lines"),
    Sub("Polar Scale Tics"),
    Cmd(34, "Every 10 dB"),
    Cmd(35, "Every 6 dB"),
    End(),
    Cmd(33, "Show -6dB Polar Angles"),
    Sep(),
    Sub("Balloon And Color Map Reference"),
    Cmd(36, "On Axis Value"),
    Cmd(37, "Max Sensitivity"),
    End(),
    Cmd(38, "Show Balloon &Symmetry"),
    Cmd(39, "S&hade Balloon"),
    Cmd(40, " Show Grid With Shaded"),
    Cmd(41, " Colored Sphere"),
    Sep(),
    Sub("Directivity"),
    Cmd(47, "Q"),
    Cmd(48, "DI"),
    End(),
    Cmd(49, "Use &Fixed Scales"),
    Cmd(50, "Heavy &Graph Curves"),
    Cmd(51, "Steppe&d Graph Curves"),
    Sep(),
    Cmd(52, "Draw D&XF Cabinet Faces"),
    Sep(),
    Cmd(53, "Sa&ve As Default"),
    Cmd(54, "D&ialog...\tCtrl+D", "Ctrl+D"),
    End(),
    Sub("&Help"),
    Cmd(60, "&Help\tF1", "F1"),
    Cmd(61, "&ZEF Specs"),
    Cmd(62, "&About ZEF"),
    End(),
});

struct Help {
  int id;
  std::string_view text;
};

constexpr auto kHelp = std::to_array<Help>({
    {10, "Open a ZEF-format text file"},
    {11, "Reopen a currently loaded ZEF-format text file"},
    {12, "Edit a text file (such as a ZEF-format file)"},
    {13, "Open a ZEF distribution file for viewing (press Ctrl to open in a new viewer)"},
    {16, "Exit this instance of ZEF viewer or reader/viewer"},
    {20, "Copy lower 2D graph to clipboard as bitmap"},
    {21, "Copy lower 2D graph to clipboard as Meta"},
    {22, "Save lower 2D graph to file as Meta"},
    {23, "Copy upper 3D graph to clipboard as bitmap"},
    {24, "Copy upper 3D graph to clipboard as Meta"},
    {25, "Save upper 3D graph to file as Meta"},
    {28, "Copy Sensitivity to clipboard"},
    {29, "Copy Axial Spectrum to clipboard"},
    {30, "Normalize polar diagrams with the on-axis value"},
    {31, "Normalize polar diagrams with the highest Sensitivity"},
    {32, "Use heavy lines in polar diagram"},
    {33, "Show -6dB and Center of Gravity markers in polar diagram"},
    {34, "Use 10dB/division in polar diagrams"},
    {35, "Use 6dB/division in polar diagrams"},
    {36, "Normalize balloons and Color maps with the on-axis value"},
    {37, "Normalize balloons and Color maps with the highest Sensitivity"},
    {38, "Show balloon symmetry"},
    {39, "Shade balloon with colors related to value"},
    {40, "Show balloon grid also when balloon is shaded"},
    {41, "Show balloon as a colored sphere"},
    {47, "Show linear Q instead of the Directivity Index in dB"},
    {48, "Show Directivity Index (DI) in dB instead of linear Q"},
    {49, "Use fixed scales in in EA data graphs"},
    {50, "Use heavy curves in EA data graphs"},
    {51, "Use stepped curves in EA data graphs"},
    {52, "Draw also DXF cabinet faces (if any)"},
    {53, "Saves all settings on the Options menu/dialog"},
    {54, "Display a floating dialog with all options on this menu"},
    {60, "Display the Help PDF"},
    {61, "Displays the ZEF Specs PDF showing ZEF textfile syntax etc."},
    {62, "Show program and ZEF group information"},
});

void Radio(std::map<int, MenuItemState>& states, int first, bool second) {
  states[first].checked = !second;
  states[first + 1].checked = second;
}

}  // namespace

std::span<const MenuEntry> MenuBar() {
  return kMenuBar;
}

std::string_view MenuHelp(int id) {
  for (const Help& help : kHelp) {
    if (help.id == id) return help.text;
  }
  return {};
}

std::map<int, MenuItemState> MenuStates(const MenuContext& context) {
  std::map<int, MenuItemState> states;
  for (const MenuEntry& entry : kMenuBar) {
    if (entry.kind == K::kCommand) states[entry.id] = {};
  }
  const graphs::OptionSet o = context.options;
  const bool loaded = context.state.fileLoaded && context.set != nullptr;
  const bool powered = loaded && context.set->info->type == model::SpeakerType::Powered;
  const bool axialSpectrum =
      loaded && (context.set->info->presenceFlags & model::presence::kAxialSpectrum) != 0;
  const bool copyable = context.dataValid && !context.loadedFromText;
  states[11].enabled = loaded && context.hasLastTextFile;
  states[28].enabled = copyable && !powered;
  states[29].enabled = copyable && axialSpectrum;
  Radio(states, 30, o.Get(Option::kPolarReferenceMax));
  states[32].checked = o.Get(Option::kHeavyLines);
  states[33].checked = o.Get(Option::kMarkMinus6Db);
  Radio(states, 34, o.Get(Option::kPolarTics6Db));
  if (powered) {
    states[36].enabled = states[37].enabled = false;
  } else {
    Radio(states, 36, o.Get(Option::kBalloonReferenceMax));
  }
  const bool shaded = o.Get(Option::kShadeBalloon);
  states[38].checked = o.Get(Option::kShowSymmetry);
  states[39].checked = shaded;
  states[40] = {shaded, o.Get(Option::kGridWhenShaded)};
  states[41] = {shaded, o.Get(Option::kColouredSphere)};
  Radio(states, 47, o.Get(Option::kShowDi));
  states[47].enabled = states[48].enabled = loaded;
  states[49].checked = o.Get(Option::kFixedScales);
  states[50].checked = o.Get(Option::kHeavyCurves);
  states[51].checked = o.Get(Option::kSteppedCurves);
  states[52].checked = o.Get(Option::kDrawDxfFaces);
  states[54].enabled = loaded;
  if (context.state.optionsDialogOpen) {
    for (int id = option_id::kFirst; id <= option_id::kDialog; ++id) {
      if (states.contains(id)) states[id].enabled = false;
    }
  }
  return states;
}

}  // namespace zef::app
