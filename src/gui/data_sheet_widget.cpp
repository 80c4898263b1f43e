#include "gui/data_sheet_widget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/dialog_ids.h"

namespace zef::gui {
namespace {

namespace field = app::sheet_field;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* Caption(const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QGroupBox* Group(const char* title, QLayout* layout) {
  auto* box = new QGroupBox(QString::fromUtf8(title));
  box->setLayout(layout);
  return box;
}

// A value field that never widens the window for a long text.
QLabel* Field() {
  auto* label = new QLabel;
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

DataSheetWidget::DataSheetWidget(std::function<void(int)> command, QWidget* parent)
    : QWidget(parent), command_(std::move(command)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  layout->addWidget(ModelGroup());
  layout->addWidget(ManufacturerGroup());
  layout->addWidget(MeasurementGroup());
  layout->addWidget(EaGroup());
  layout->addWidget(CabinetGroup());
  layout->addStretch(1);
  layout->addWidget(FormatLine());
}

QLabel* DataSheetWidget::Value(std::string_view name) {
  QLabel* label = Field();
  values_[name] = label;
  return label;
}

QPushButton* DataSheetWidget::Button(const char* text, int id) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  connect(button, &QPushButton::clicked, this, [this, id] { command_(id); });
  return button;
}

QPushButton* DataSheetWidget::LabelButton(const char* text, int id) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  button->setFlat(true);
  button->setStyleSheet("text-align: right; padding: 0 2px;");
  if (id > 0) {
    connect(button, &QPushButton::clicked, this, [this, id] { command_(id); });
    infoButtons_[id] = button;
  } else {
    button->setFocusPolicy(Qt::NoFocus);
  }
  return button;
}

QPushButton* DataSheetWidget::InfoButton(int id) const {
  const auto found = infoButtons_.find(id);
  return found == infoButtons_.end() ? nullptr : found->second;
}

void DataSheetWidget::EnableInfoButton(int id, bool enabled) {
  if (QPushButton* button = InfoButton(id)) button->setEnabled(enabled);
}

QWidget* DataSheetWidget::ModelGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("Name:"), 0, 0);
  grid->addWidget(Value(field::kModelName), 0, 1, 1, 3);
  grid->addWidget(Caption("Weight:"), 0, 4);
  grid->addWidget(Value(field::kWeight), 0, 5);
  grid->addWidget(new QLabel("kg"), 0, 6);
  grid->addWidget(Caption("Descr.:"), 1, 0);
  grid->addWidget(Value(field::kDescription), 1, 1, 1, 6);
  grid->addWidget(Caption("Colors:"), 2, 0);
  grid->addWidget(Value(field::kColors), 2, 1, 1, 3);
  grid->addWidget(Caption("Radiation:"), 2, 4);
  grid->addWidget(Value(field::kRadiation), 2, 5, 1, 2);
  grid->addWidget(Caption("Mounting:"), 3, 0);
  grid->addWidget(Value(field::kMounting), 3, 1, 1, 6);
  grid->addWidget(Caption("Type:"), 4, 0);
  grid->addWidget(Value(field::kType), 4, 1);
  grid->addWidget(Value(field::kTypeInfo), 4, 2, 1, 3);
  infoButton_ = Button("Show info file", app::control::kInfoFileButton);
  infoButton_->hide();
  infoButtons_[app::control::kInfoFileButton] = infoButton_;  // its window opens on it
  grid->addWidget(infoButton_, 4, 5, 1, 2);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(5, 1);
  return Group("Model", grid);
}

QWidget* DataSheetWidget::ManufacturerGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("Name:"), 0, 0);
  grid->addWidget(Value(field::kManufacturer), 0, 1);
  QPushButton* web = Button("Web-site:", app::control::kWebSite);
  web->setToolTip("Go to web-site");
  grid->addWidget(web, 0, 2);
  grid->addWidget(Value(field::kWebSite), 0, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return Group("Manufacturer", grid);
}

QWidget* DataSheetWidget::MeasurementGroup() {
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("Contact:"), 0, 0);
  grid->addWidget(Value(field::kContact), 0, 1);
  grid->addWidget(Caption("E-mail:"), 0, 2);
  grid->addWidget(Value(field::kEmail), 0, 3, 1, 2);
  grid->addWidget(Caption("Date:"), 1, 0);
  grid->addWidget(Value(field::kDate), 1, 1);
  grid->addWidget(Caption("Distance:"), 1, 2);
  grid->addWidget(Value(field::kDistance), 1, 3);
  grid->addWidget(new QLabel("m"), 1, 4);
  grid->addWidget(Caption("Info:"), 2, 0);
  grid->addWidget(Value(field::kMeasurementInfo), 2, 1, 1, 4);
  grid->addWidget(Caption("Env.:"), 3, 0);
  grid->addWidget(Value(field::kEnvironment), 3, 1, 1, 4);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(3, 1);
  return Group("Measurement", grid);
}

QWidget* DataSheetWidget::EaGroup() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(2);
  const int unitColumn = 1 + app::kSheetColumns;
  for (int c = 0; c < app::kSheetColumns; ++c) {
    bandLabels_[c] = new QLabel;
    bandLabels_[c]->setAlignment(Qt::AlignCenter);
    grid->addWidget(bandLabels_[c], 0, 1 + c);
    grid->setColumnStretch(1 + c, 1);
  }
  eaRadios_ = new QButtonGroup(this);
  // The information button of each row, in row order; input voltages have none.
  constexpr int kRowInfo[app::kSheetRows] = {0, 74, 86, 111, 123, 135, 148};
  for (int r = 0; r < app::kSheetRows; ++r) {
    rowLabels_[r] = LabelButton("", kRowInfo[r]);
    grid->addWidget(rowLabels_[r], 1 + r, 0);
    for (int c = 0; c < app::kSheetColumns; ++c) {
      cells_[r][c] = Field();
      cells_[r][c]->setAlignment(Qt::AlignCenter);
      grid->addWidget(cells_[r][c], 1 + r, 1 + c);
    }
    rowUnits_[r] = new QLabel;
    grid->addWidget(rowUnits_[r], 1 + r, unitColumn);
    auto* select = new QRadioButton(QString::fromUtf8("»"));
    eaRadios_->addButton(select, app::control::kEaSelectFirst + r);
    grid->addWidget(select, 1 + r, unitColumn + 1);
  }
  connect(eaRadios_, &QButtonGroup::idClicked, this, [this](int id) { command_(id); });
  bandsDown_ = Button("<", app::control::kBandsDown);
  bandsDown_->setToolTip("Scroll bands down");
  bandsUp_ = Button(">", app::control::kBandsUp);
  bandsUp_->setToolTip("Scroll bands up");
  auto* scroll = new QHBoxLayout;
  scroll->addWidget(bandsDown_);
  scroll->addStretch(1);
  scroll->addWidget(bandsUp_);
  grid->addLayout(scroll, 8, 1, 1, app::kSheetColumns);

  auto* impedance = new QHBoxLayout;
  impedance->addWidget(new QLabel("Impedance (derived)"));
  for (const auto& [caption, name] :
       {std::pair{"Nom:", field::kNominalImpedance}, std::pair{"Min:", field::kMinimumImpedance},
        std::pair{"Avg:", field::kAverageImpedance}}) {
    impedance->addWidget(Caption(caption));
    impedance->addWidget(Value(name), 1);
  }
  impedance->addWidget(new QLabel("Ohm"));
  grid->addLayout(impedance, 9, 0, 1, unitColumn + 2);
  auto* input = new QHBoxLayout;
  maxInputLabel_ = LabelButton("Max 'power/volt':", 201);
  maxInputUnit_ = new QLabel("Vrms");
  input->addWidget(maxInputLabel_);
  input->addWidget(Value(field::kMaxInput), 1);
  input->addWidget(maxInputUnit_);
  input->addSpacing(8);
  input->addWidget(LabelButton("Gain:", 204));
  input->addWidget(Value(field::kMaxInputLevel), 1);
  input->addWidget(new QLabel("dB"));
  input->addSpacing(8);
  input->addWidget(LabelButton("Equiv. amp. size:", 216));
  input->addWidget(Value(field::kEquivalentPower), 1);
  input->addWidget(new QLabel("W"));
  grid->addLayout(input, 10, 0, 1, unitColumn + 2);
  return Group("Electro-acoustical (EA) data", grid);
}

QWidget* DataSheetWidget::CabinetGroup() {
  auto* row = new QHBoxLayout;
  cabinetRadios_ = new QButtonGroup(this);
  const char* names[] = {"&Rectangular", "&Trapezoidal", "E&dges", "F&aces+Edges", "D&XF"};
  for (int k = 0; k < 5; ++k) {
    auto* radio = new QRadioButton(QString::fromUtf8(names[k]));
    cabinetRadios_->addButton(radio, app::control::kCabinetKindFirst + k);
    row->addWidget(radio);
  }
  connect(cabinetRadios_, &QButtonGroup::idClicked, this, [this](int id) { command_(id); });
  return Group("Cabinet 3D representation", row);
}

QWidget* DataSheetWidget::FormatLine() {
  auto* line = new QWidget;
  auto* row = new QHBoxLayout(line);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(Value(field::kFormat), 1);
  row->addWidget(new QLabel("version:"));
  row->addWidget(Value(field::kVersion), 1);
  row->addWidget(Value(field::kRelease), 1);
  row->addWidget(new QLabel("Part:"));
  row->addWidget(Value(field::kPart), 1);
  row->addWidget(new QLabel("of"));
  row->addWidget(Value(field::kParts), 1);
  row->addWidget(Value(field::kPartInfo), 4);
  return line;
}

void DataSheetWidget::ShowSheet(const app::DataSheet& sheet, const app::DialogControls& controls) {
  for (const auto& [name, label] : values_) label->setText(Q(sheet.Field(name)));
  if (const std::string_view label = sheet.Field(field::kMaxInputLabel); !label.empty()) {
    maxInputLabel_->setText(Q(label));
    maxInputUnit_->setText(Q(sheet.Field(field::kMaxInputUnit)));
  }
  for (int c = 0; c < app::kSheetColumns; ++c) {
    bandLabels_[c]->setText(Q(controls.columnLabels[c]));
  }
  for (int r = 0; r < app::kSheetRows; ++r) {
    const app::SheetRow& row = sheet.rows[r];
    rowLabels_[r]->setText(Q(row.label));
    rowUnits_[r]->setText(Q(row.unit));
    for (int c = 0; c < app::kSheetColumns; ++c) {
      const int band = controls.columnBands[c];
      cells_[r][c]->setEnabled(band >= 0);
      cells_[r][c]->setText(band < 0 ? QString() : Q(row.cells[band]));
    }
  }
  eaRadios_->button(app::control::kEaSelectFirst)->setEnabled(sheet.inputVoltageSelectable);
  eaRadios_->button(app::control::kEaSelectFirst + controls.eaRadio)->setChecked(true);
  cabinetRadios_->button(app::control::kCabinetKindFirst + controls.cabinetRadio)->setChecked(true);
  infoButton_->setVisible(controls.infoButtonShown);
  bandsDown_->setVisible(controls.bandScrollShown);
  bandsUp_->setVisible(controls.bandScrollShown);
  bandsDown_->setEnabled(controls.bandsDown);
  bandsUp_->setEnabled(controls.bandsUp);
}

void DataSheetWidget::ShowBlinks(const app::BlinkTexts& texts) {
  infoButton_->setText(Q(texts.infoButton));
  const auto row = [](app::SheetRowId id) { return static_cast<int>(id); };
  rowLabels_[row(app::SheetRowId::AxialQ)]->setText(Q(texts.axialLabel));
  rowLabels_[row(app::SheetRowId::HorizontalWidth)]->setText(Q(texts.horizontalLabel));
  rowLabels_[row(app::SheetRowId::VerticalWidth)]->setText(Q(texts.verticalLabel));
}

}  // namespace zef::gui
