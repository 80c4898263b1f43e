#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "app/shell_state.h"
#include "graphs/option_set.h"
#include "model/data_set.h"

namespace zef::app {

// One entry of the menu bar: a command, a separator, or the start or end of
// a submenu. The items removed at start-up are not listed.
struct MenuEntry {
  enum Kind { kCommand, kSeparator, kSubmenu, kEndSubmenu } kind;
  int id = 0;                 // commands
  std::string_view text;      // "\t" separates the accelerator's name
  std::string_view shortcut;  // the key that issues the command ("Ctrl+O"); empty for none
};

// The four menus of the bar, in order; each starts with its title.
std::span<const MenuEntry> MenuBar();

// The status-bar help of a command; empty for ids without one.
std::string_view MenuHelp(int id);

struct MenuItemState {
  bool enabled = true;
  bool checked = false;
  bool operator==(const MenuItemState&) const = default;
};

// What the menu states depend on.
struct MenuContext {
  const ShellState& state;
  graphs::OptionSet options;
  const model::DataSet* set = nullptr;  // none loaded
  bool dataValid = false;
  bool loadedFromText = false;
  bool hasLastTextFile = false;
};

// Enabled and checked state of every command the menus hold, by id.
std::map<int, MenuItemState> MenuStates(const MenuContext& context);

}  // namespace zef::app
