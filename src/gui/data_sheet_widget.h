#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string_view>

#include "app/blink.h"
#include "app/data_sheet.h"
#include "app/shell_views.h"

namespace zef::gui {

// The left half of the main window: the data sheet of the loaded file in its
// groups, the EA rows with their band columns and "»" selectors, and the
// cabinet representation radios. Buttons report their control id.
class DataSheetWidget final : public QWidget {
 public:
  DataSheetWidget(std::function<void(int)> command, QWidget* parent);

  void ShowSheet(const app::DataSheet& sheet, const app::DialogControls& controls);
  void ShowBlinks(const app::BlinkTexts& texts);
  // The buttons that open a window beside themselves: "Show info file" and
  // the row and figure labels, whose text titles their pop-up. Null for an
  // id without one.
  QPushButton* InfoButton(int id) const;
  void EnableInfoButton(int id, bool enabled);

 private:
  QWidget* ModelGroup();
  QWidget* ManufacturerGroup();
  QWidget* MeasurementGroup();
  QWidget* EaGroup();
  QWidget* CabinetGroup();
  QWidget* FormatLine();
  QLabel* Value(std::string_view field);
  QPushButton* Button(const char* text, int id);
  QPushButton* LabelButton(const char* text, int id);

  std::function<void(int)> command_;
  std::map<std::string_view, QLabel*> values_;
  std::array<QLabel*, app::kSheetColumns> bandLabels_{};
  std::array<QPushButton*, app::kSheetRows> rowLabels_{};
  std::array<QLabel*, app::kSheetRows> rowUnits_{};
  std::array<std::array<QLabel*, app::kSheetColumns>, app::kSheetRows> cells_{};
  QButtonGroup* eaRadios_ = nullptr;
  QButtonGroup* cabinetRadios_ = nullptr;
  QPushButton* infoButton_ = nullptr;
  QPushButton* bandsDown_ = nullptr;
  QPushButton* bandsUp_ = nullptr;
  QPushButton* maxInputLabel_ = nullptr;
  std::map<int, QPushButton*> infoButtons_;
  QLabel* maxInputUnit_ = nullptr;
};

}  // namespace zef::gui
