#include "gui/options_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zef::gui {
namespace {

using graphs::Option;

// Dialog control ids (the menu's minus 20) and the switch each shows.
struct Switch {
  int id;
  Option option;
  bool whenSet;  // checked when the switch is set (false: the radio for clear)
};

constexpr Switch kSwitches[] = {
    {10, Option::kPolarReferenceMax, false},
    {11, Option::kPolarReferenceMax, true},
    {12, Option::kHeavyLines, true},
    {13, Option::kMarkMinus6Db, true},
    {14, Option::kPolarTics6Db, false},
    {15, Option::kPolarTics6Db, true},
    {16, Option::kBalloonReferenceMax, false},
    {17, Option::kBalloonReferenceMax, true},
    {18, Option::kShowSymmetry, true},
    {19, Option::kShadeBalloon, true},
    {20, Option::kGridWhenShaded, true},
    {21, Option::kColouredSphere, true},
    {27, Option::kShowDi, false},
    {28, Option::kShowDi, true},
    {29, Option::kFixedScales, true},
    {30, Option::kHeavyCurves, true},
    {31, Option::kSteppedCurves, true},
    {32, Option::kDrawDxfFaces, true},
};
constexpr int kSave = 33;

}  // namespace

OptionsDialog::OptionsDialog(Actions actions, QWidget* parent)
    : QDialog(parent), actions_(std::move(actions)) {
  setWindowTitle("Options");
  auto* grid = new QGridLayout(this);
  grid->addWidget(RadioPair("Polar reference", "On axis", "Max sensitivity", 10), 0, 0);
  grid->addWidget(RadioPair("Polar scale tics", "10 dB", "6 dB", 14), 1, 0);
  auto* polar = new QVBoxLayout;
  polar->addWidget(Check("Heavy lines", 12));
  polar->addWidget(Check("Mark -6dB angles", 13));
  auto* polarBox = new QGroupBox("Polars");
  polarBox->setLayout(polar);
  grid->addWidget(polarBox, 2, 0);
  grid->addWidget(RadioPair("Balloon and color map reference", "On axis", "Max sensitivity", 16), 0,
                  1);
  auto* balloon = new QVBoxLayout;
  for (const auto& [text, id] : {std::pair{"Show symmetry", 18}, std::pair{"Shade", 19},
                                 std::pair{"Show grid", 20}, std::pair{"Colored sphere", 21}}) {
    balloon->addWidget(Check(text, id));
  }
  auto* balloonBox = new QGroupBox("Balloon");
  balloonBox->setLayout(balloon);
  grid->addWidget(balloonBox, 1, 1, 2, 1);
  grid->addWidget(RadioPair("Directivity", "Q", "DI", 27), 0, 2);
  auto* graphs = new QVBoxLayout;
  for (const auto& [text, id] :
       {std::pair{"Fixed scales", 29}, std::pair{"Heavy curves²", 30},
        std::pair{"Stepped curves²", 31}, std::pair{"Draw DXF faces", 32}}) {
    graphs->addWidget(Check(text, id));
  }
  auto* graphsBox = new QGroupBox("Graphs");
  graphsBox->setLayout(graphs);
  grid->addWidget(graphsBox, 1, 2, 2, 1);

  auto* fonts = new QGridLayout;
  face_ = new QLabel;
  size_ = new QLabel;
  auto* browse = new QPushButton("Browse...");
  graphics_ = new QComboBox;
  graphics_->addItems({"Small", "Medium", "Large"});
  fonts->addWidget(new QLabel("Dialog font:"), 0, 0);
  fonts->addWidget(face_, 0, 1);
  fonts->addWidget(size_, 0, 2);
  fonts->addWidget(browse, 0, 3);
  fonts->addWidget(new QLabel("Graphics font:"), 1, 0);
  fonts->addWidget(graphics_, 1, 1, 1, 3);
  auto* fontBox = new QGroupBox("Font options (requires Save as default)");
  fontBox->setLayout(fonts);
  grid->addWidget(fontBox, 3, 0, 1, 3);
  connect(browse, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, QFont(face_->text(), size_->text().toInt()), this);
    if (!ok) return;
    actions_.dialogFont(chosen.family().toStdString(), chosen.pointSize());
  });
  connect(graphics_, &QComboBox::activated, this,
          [this](int index) { actions_.graphicsFont(index); });

  auto* row = new QHBoxLayout;
  auto* save = new QPushButton("Save as default");
  auto* close = new QPushButton("Close");
  row->addStretch(1);
  row->addWidget(save);
  row->addWidget(close);
  grid->addLayout(row, 4, 0, 1, 3);
  connect(save, &QPushButton::clicked, this, [this] { actions_.command(kSave); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

QAbstractButton* OptionsDialog::Add(QAbstractButton* button, int id) {
  buttons_[id] = button;
  connect(button, &QAbstractButton::clicked, this, [this, id] { actions_.command(id); });
  return button;
}

QWidget* OptionsDialog::Check(const char* text, int id) {
  return Add(new QCheckBox(QString::fromUtf8(text)), id);
}

QWidget* OptionsDialog::RadioPair(const char* title, const char* first, const char* second,
                                  int id) {
  auto* box = new QGroupBox(QString::fromUtf8(title));
  auto* row = new QHBoxLayout(box);
  for (const auto& [text, offset] : {std::pair{first, 0}, std::pair{second, 1}}) {
    row->addWidget(Add(new QRadioButton(QString::fromUtf8(text)), id + offset));
  }
  return box;
}

void OptionsDialog::Show(const app::StoredOptions& options, bool powered) {
  for (const Switch& s : kSwitches) {
    buttons_.at(s.id)->setChecked(options.options.Get(s.option) == s.whenSet);
  }
  const bool shaded = options.options.Get(Option::kShadeBalloon);
  buttons_.at(20)->setEnabled(shaded);
  buttons_.at(21)->setEnabled(shaded);
  buttons_.at(16)->setEnabled(!powered);
  buttons_.at(17)->setEnabled(!powered);
  face_->setText(QString::fromStdString(options.fontFace));
  size_->setText(QString::number(options.fontSize));
  graphics_->setCurrentIndex(options.graphicsFont);
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
  actions_.closed();
  event->accept();
}

}  // namespace zef::gui
