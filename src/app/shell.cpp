#include "app/shell.h"

#include <system_error>

#include "app/clipboard_payload.h"
#include "app/clipboard_tables.h"
#include "app/desktop_links.h"
#include "app/dialog_ids.h"
#include "app/open_flow.h"
#include "app/option_commands.h"
#include "app/outside_programs.h"

namespace zef::app {
namespace {

constexpr std::string_view kFileDoesNotExist = "** File does not exist **";
constexpr std::string_view kNotZefFile = "** Not a ZEF text or binary file:##";
constexpr int kSaveDialogControl = 33;

bool Exists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

bool SameFonts(const StoredOptions& a, const StoredOptions& b) {
  return a.fontFace == b.fontFace && a.fontSize == b.fontSize && a.graphicsFont == b.graphicsFont;
}

}  // namespace

Shell::Shell(ShellPlatform& platform, ListWindowLines& errors, ShellPaths paths, bool decimalComma)
    : platform_(platform),
      errors_(errors),
      paths_(std::move(paths)),
      decimalComma_(decimalComma),
      state_(InitialShellState(stored_.options)),
      recent_(paths_.configDir / "recent-files") {}

Changes Shell::Start(std::string_view commandLineFile) {
  std::filesystem::path file = OptionsFile();
  if (!Exists(file)) file = paths_.programDir / kOptionsFileName;
  // A first start has no options file yet: the defaults are what it asks for.
  if (Exists(file) && !LoadOptionsFile(file, stored_)) platform_.ShowMessage(kOptionsLoadFailed);
  startFonts_ = stored_;
  state_ = InitialShellState(stored_.options);
  recent_.Load();
  if (commandLineFile.empty()) return kEverything;
  const std::string name(commandLineFile);
  switch (DataFileKindOf(name)) {
    case DataFileKind::kBinary:
      currentFile_ = name;
      return OpenBinary(name) | kEverything;
    case DataFileKind::kText:
      currentFile_ = lastTextFile_ = name;
      return OpenText(name) | kEverything;
    case DataFileKind::kOther:
      platform_.ShowMessage(std::string(kNotZefFile) + name);
      break;
  }
  return kEverything;
}

Changes Shell::OpenNamed(const std::string& name) {
  switch (DataFileKindOf(name)) {
    case DataFileKind::kBinary:
      currentFile_ = name;
      return OpenBinary(name);
    case DataFileKind::kText:
      currentFile_ = lastTextFile_ = name;
      return OpenText(name);
    case DataFileKind::kOther:
      platform_.ShowMessage(std::string(kNotZefFile) + name);
      break;
  }
  return kNoChange;
}

Changes Shell::OpenText(const std::string& name) {
  return Read(name, OpenTextFile);
}

Changes Shell::OpenBinary(const std::string& name) {
  return Read(name, OpenBinaryFile);
}

Changes Shell::Read(const std::string& name, OpenFunction open) {
  const OpenContext context{platform_, errors_, decimalComma_};
  platform_.ShowBusy(true);
  const bool loaded = open(name, holder_, context).loaded;
  platform_.ShowBusy(false);
  return AfterRead(loaded);
}

Changes Shell::AfterRead(bool loaded) {
  if (!loaded) return kNoChange;
  const model::DataSet& set = *holder_.Loaded();
  const DataSheet sheet = Sheet();
  ResetViews(state_, set, sheet.selectedBand, sheet.eaSelection);
  phase_.Loaded(holder_, state_);
  const analysis::DirectivityFigures& figures = holder_.Figures();
  ApplyTimers(StartBlinking(state_, set.cabinet.infoFile.kind != model::EmbeddedKind::None,
                            figures.horizontalOffAxis || figures.verticalOffAxis));
  recent_.Add(currentFile_);
  return kEverything;
}

void Shell::ApplyTimers(TimerRequests requests) {
  for (const int id : {kInfoBlinkTimer, kWarningBlinkTimer}) {
    if ((requests.kill & (1u << id)) != 0) platform_.KillTimer(id);
    if ((requests.start & (1u << id)) != 0) platform_.StartTimer(id, kBlinkIntervalMs);
  }
}

Changes Shell::TimerTick(int timer) {
  if (BlinkTick(state_, timer)) platform_.KillTimer(timer);
  return kBlinksChanged;
}

Changes Shell::MenuCommand(int id) {
  switch (id) {
    case 10: {
      const std::optional<std::string> chosen = platform_.ChooseFile(FileDialogKind::kOpenText, {});
      if (!chosen) return kNoChange;
      currentFile_ = lastTextFile_ = *chosen;
      return OpenText(currentFile_);
    }
    case 11:
      if (lastTextFile_.empty()) return kNoChange;
      currentFile_ = lastTextFile_;
      return OpenText(currentFile_);
    case 12: {
      const std::string preset = holder_.LoadedFromText() ? currentFile_ : std::string();
      const auto chosen = platform_.ChooseFile(FileDialogKind::kOpenForEditing, preset);
      if (chosen) StartEditor(platform_, *chosen, paths_.editor);
      return kNoChange;
    }
    case 13: {
      const bool newViewer = platform_.ControlHeld();
      const auto chosen = platform_.ChooseFile(FileDialogKind::kOpenBinary, {});
      if (!chosen) return kNoChange;
      if (!Exists(*chosen)) {
        platform_.ShowMessage(kFileDoesNotExist);
        return kNoChange;
      }
      if (newViewer && state_.fileLoaded) {
        StartSecondViewer(platform_, paths_.executable, *chosen);
        return kNoChange;
      }
      currentFile_ = *chosen;
      return OpenBinary(currentFile_);
    }
    case 16:
      platform_.Quit();
      return kNoChange;
    case 28:
    case 29: {
      const model::DataSet* set = holder_.Loaded();
      if (set == nullptr) return kNoChange;
      const bool valid = holder_.DataValid();
      const bool text = holder_.LoadedFromText();
      if (id == 28 && SensitivityTableAvailable(*set, valid, text)) {
        platform_.SetClipboard(TextPayload(SensitivityTable(*set, currentFile_, decimalComma_)));
      } else if (id == 29 && AxialSpectrumTableAvailable(*set, valid, text)) {
        platform_.SetClipboard(TextPayload(AxialSpectrumTable(*set, currentFile_, decimalComma_)));
      }
      return kNoChange;
    }
    case option_id::kSaveAsDefault:
      SaveOptions(false);
      return kNoChange;
    case option_id::kDialog:
      if (!state_.fileLoaded || state_.optionsDialogOpen) return kNoChange;
      state_.optionsDialogOpen = true;
      return kOptionsDialogOpened;
    case 60:
    case 61:
      OpenHelpDocument(platform_, static_cast<HelpDocument>(id), HelpFolder(paths_.programDir));
      return kNoChange;
    default:
      break;
  }
  if (id >= option_id::kFirst && id <= option_id::kLast) {
    const Changes changes = OptionCommand(state_, stored_.options, id);
    if (const model::DataSet* set = holder_.Loaded()) {
      const bool curves = id >= option_id::kFixedScales && id <= option_id::kSteppedCurves;
      phase_.OptionChanged(*set, state_, curves);
    }
    return changes;
  }
  return kNoChange;
}

Changes Shell::ControlCommand(int id, int value) {
  const Changes changes = ViewCommand(state_, holder_.Loaded(), stored_.options, id, value);
  const bool direction =
      id == control::kBandCombo || (id >= control::kFrontView && id <= control::kTopView);
  if (direction && changes != kNoChange) MainCameraMoved();
  return changes;
}

void Shell::MainCameraMoved() {
  if (const model::DataSet* set = holder_.Loaded()) phase_.MainViewChanged(*set, state_);
}

Changes Shell::Scroll(int id, ScrollAction action, int thumb) {
  if (holder_.Loaded() == nullptr) return kNoChange;
  return SpectraScroll(state_, *holder_.Loaded(), id, action, thumb);
}

Changes Shell::OptionsDialogCommand(int control) {
  if (control == kSaveDialogControl) {
    OptionsDialogSaved();
    return kNoChange;
  }
  return MenuCommand(control + option_id::kDialogOffset);
}

void Shell::SetDialogFont(std::string face, int points) {
  if (face.size() > 32) face.resize(32);
  stored_.fontFace = std::move(face);
  if (points > 0 && points <= 0xFFFF) stored_.fontSize = static_cast<std::uint16_t>(points);
}

void Shell::SetGraphicsFont(int choice) {
  if (choice >= 0 && choice <= 2) stored_.graphicsFont = static_cast<std::uint8_t>(choice);
}

void Shell::OptionsDialogSaved() {
  SaveOptions(true);
}

void Shell::SaveOptions(bool fromDialog) {
  std::error_code ec;
  std::filesystem::create_directories(paths_.configDir, ec);
  if (!SaveOptionsFile(OptionsFile(), stored_)) {
    platform_.ShowMessage(kOptionsSaveFailed);
    return;
  }
  if (fromDialog && !SameFonts(stored_, startFonts_)) {
    // New fonts apply to every window only in a fresh instance.
    if (currentFile_.empty()) {
      platform_.StartDetached(paths_.executable, {});
    } else {
      StartSecondViewer(platform_, paths_.executable, currentFile_);
    }
    platform_.Quit();
  }
}

DataSheet Shell::Sheet() const {
  if (holder_.Loaded() == nullptr) return {};
  return BuildDataSheet(*holder_.Loaded(), holder_.Figures(), stored_.options, decimalComma_,
                        currentFile_);
}

BlinkTexts Shell::Blinks() const {
  return CurrentBlinkTexts(state_, stored_.options, holder_.Figures());
}

std::map<int, MenuItemState> Shell::Menu() const {
  return MenuStates({.state = state_,
                     .options = stored_.options,
                     .set = holder_.Loaded(),
                     .dataValid = holder_.DataValid(),
                     .loadedFromText = holder_.LoadedFromText(),
                     .hasLastTextFile = !lastTextFile_.empty()});
}

std::string Shell::WindowTitle() const {
  return holder_.WindowTitle();
}

std::string Shell::StatusHelp(int id) const {
  const std::string_view help = MenuHelp(id);
  return help.empty() ? StatusFileLine() : std::string(help);
}

}  // namespace zef::app
