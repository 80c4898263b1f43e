#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/blink.h"
#include "app/data_set_holder.h"
#include "app/data_sheet.h"
#include "app/file_names.h"
#include "app/list_window_lines.h"
#include "app/main_menu.h"
#include "app/open_flow.h"
#include "app/options_file.h"
#include "app/phase_display.h"
#include "app/shell_platform.h"
#include "app/shell_state.h"
#include "app/view_commands.h"

namespace zef::app {

// Folders the shell keeps its files in and finds its documents in.
struct ShellPaths {
  std::filesystem::path configDir;   // options, recent files, window place
  std::filesystem::path programDir;  // help documents; options of an installation
  std::string executable;            // started again for a second viewer
  std::string editor;                // the editor the user chose; empty for the usual ones
};

// The viewer without its windows: the loaded file, the options, what the
// views show, and every command of the menus and the main window's controls.
// A window calls a command and rebuilds what the returned changes name.
class Shell {
 public:
  Shell(ShellPlatform& platform, ListWindowLines& errors, ShellPaths paths, bool decimalComma);

  // Loads the options (saying so when they cannot be read) and opens the
  // file the command line named, if any.
  Changes Start(std::string_view commandLineFile);
  // A menu command or accelerator (ids 10..62); kNoChange for one it does not handle.
  Changes MenuCommand(int id);
  // A button, radio or the band selector of the main window.
  Changes ControlCommand(int id, int value = 0);
  Changes Scroll(int id, ScrollAction action, int thumb = 0);
  Changes TimerTick(int timer);
  // The mouse turned the main window's 3D view.
  void MainCameraMoved();
  // The phase window's own controls (see PhaseDisplay).
  void PhaseCommand(int id) { phase_.Command(id); }
  PhaseDisplay& Phase() { return phase_; }
  // Opens a recent or dropped file by the kind its name asks for.
  Changes OpenNamed(const std::string& name);

  // The options dialog: a control id (menu id - 20), its font choices, its
  // "Save as default" button and its closing.
  Changes OptionsDialogCommand(int control);
  void SetDialogFont(std::string face, int points);
  void SetGraphicsFont(int choice);
  void OptionsDialogSaved();
  void OptionsDialogClosed() { state_.optionsDialogOpen = false; }

  const ShellState& State() const { return state_; }
  ShellState& MutableState() { return state_; }  // the 3D view writes its camera back
  const DataSetHolder& Holder() const { return holder_; }
  // The loaded set for the drawings that parse its DXF on first use.
  model::DataSet* SetForDrawing() { return holder_.LoadedForDrawing(); }
  graphs::OptionSet Options() const { return stored_.options; }
  const StoredOptions& Stored() const { return stored_; }
  bool DecimalComma() const { return decimalComma_; }
  const std::string& CurrentFile() const { return currentFile_; }
  const RecentFiles& Recent() const { return recent_; }

  // The data sheet of the loaded set (none loaded: an empty sheet).
  DataSheet Sheet() const;
  BlinkTexts Blinks() const;
  std::map<int, MenuItemState> Menu() const;
  std::string WindowTitle() const;
  // Status part 0 with no menu item highlighted, and part 1.
  std::string StatusFileLine() const { return holder_.StatusLine(); }
  std::string StatusPath() const { return holder_.StatusPath(); }
  // Status part 0 while the menu item is highlighted.
  std::string StatusHelp(int id) const;
  std::filesystem::path OptionsFile() const { return paths_.configDir / kOptionsFileName; }

 private:
  Changes OpenText(const std::string& name);
  Changes OpenBinary(const std::string& name);
  using OpenFunction = OpenOutcome (*)(const std::filesystem::path&, DataSetHolder&,
                                       const OpenContext&);
  Changes Read(const std::string& name, OpenFunction open);
  Changes AfterRead(bool loaded);
  void SaveOptions(bool fromDialog);
  void ApplyTimers(TimerRequests requests);

  ShellPlatform& platform_;
  ListWindowLines& errors_;
  ShellPaths paths_;
  bool decimalComma_;
  DataSetHolder holder_;
  StoredOptions stored_;  // before the state, which starts from its options
  ShellState state_;
  StoredOptions startFonts_;  // the fonts in effect since start-up
  std::string currentFile_;
  std::string lastTextFile_;
  RecentFiles recent_;
  PhaseDisplay phase_;
};

}  // namespace zef::app
