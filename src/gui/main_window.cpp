#include "gui/main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/color_map_readout.h"
#include "app/dialog_ids.h"
#include "graphs/graph_fonts.h"

namespace zef::gui {
namespace {

using namespace app::control;

constexpr int kStatusFileShare = 6;  // of ten: the file line, the rest the path
constexpr int kFirstWidth = 1280;    // before a place was kept; shrunk to the screen
constexpr int kFirstHeight = 820;

}  // namespace

MainWindow::MainWindow(const StartUp& startUp)
    : platform_(*this, [this](int timer) { Apply(shell_.TimerTick(timer)); }),
      errors_(ListWindow::Errors(this, platform_)),
      debug_(ListWindow::Debug(this, platform_)),
      shell_(platform_, errors_, startUp.paths, startUp.decimalComma),
      upperGraph_(debug_),
      placeFile_(startUp.paths.configDir / "window-place") {
  const app::Changes opened = shell_.Start(startUp.file);
  const auto size = static_cast<graphs::GraphicsFontSize>(shell_.Stored().graphicsFont);
  fonts_ = std::make_unique<painter::QtFontMetrics>(graphs::GraphicsFont(size));
  QFont dialogFont(QString::fromStdString(shell_.Stored().fontFace), shell_.Stored().fontSize);
  setFont(dialogFont);

  BuildMenus();
  BuildSideWindows();
  auto* split = new QSplitter(this);
  // On a low screen the sheet scrolls instead of pushing the window off it.
  auto* sheetScroll = new QScrollArea(split);
  sheetScroll->setWidgetResizable(true);
  sheetScroll->setFrameShape(QFrame::NoFrame);
  sheetScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sheet_ = new DataSheetWidget([this](int id) { Control(id); }, sheetScroll);
  sheetScroll->setWidget(sheet_);
  split->addWidget(sheetScroll);
  split->addWidget(BuildGraphs());
  split->setStretchFactor(0, 1);
  split->setStretchFactor(1, 1);
  setCentralWidget(split);
  statusFile_ = new QLabel;
  statusPath_ = new QLabel;
  statusBar()->addWidget(statusFile_, kStatusFileShare);
  statusBar()->addWidget(statusPath_, 10 - kStatusFileShare);
  setAcceptDrops(true);

  const QRect free = screen()->availableGeometry();
  app::WindowPlace place{free.x(), free.y(), kFirstWidth, kFirstHeight};
  app::LoadWindowPlace(placeFile_, place);
  place = app::FitToScreen(place, {free.x(), free.y(), free.width(), free.height()});
  move(place.x, place.y);
  resize(place.width, place.height);
  Apply(opened | app::kEverything);
}

MainWindow::~MainWindow() = default;

QPushButton* MainWindow::Button(const char* text, int id, const char* tip) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  button->setFixedWidth(button->fontMetrics().horizontalAdvance("MM") + 12);
  if (tip != nullptr) button->setToolTip(QString::fromUtf8(tip));
  connect(button, &QPushButton::clicked, this, [this, id] { Control(id); });
  buttons_[id] = button;
  return button;
}

QWidget* MainWindow::BuildGraphs() {
  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(BuildUpperArea());
  split->addWidget(BuildLowerArea());
  return split;
}

QWidget* MainWindow::BuildUpperArea() {
  auto* area = new QWidget;
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(2, 2, 2, 2);
  auto* radios = new QHBoxLayout;
  upperRadios_ = new QButtonGroup(area);
  for (const auto& [text, id] : {std::pair{"&3D balloon", kBalloonRadio},
                                 std::pair{"&Cabinet 3D representation", kCabinetRadio}}) {
    auto* radio = new QRadioButton(text);
    upperRadios_->addButton(radio, id);
    radios->addWidget(radio);
  }
  radios->addStretch(1);
  connect(upperRadios_, &QButtonGroup::idClicked, this, [this](int id) { Control(id); });
  grid->addLayout(radios, 0, 0, 1, 2);
  upper_ = new GraphView(*fonts_, debug_, area);
  upper_->SetBuilder([this](graphs::GraphWindow& window) { DrawUpper(window); });
  upper_->SetMouseHandler([this](const view3d::MouseEvent& event) {
    if (shell_.Holder().Loaded() == nullptr) return;
    if (upperGraph_.Mouse(event, shell_.MutableState())) {
      upper_->Rebuild();
      shell_.MainCameraMoved();
      phase_->Follow();
    }
    const view3d::HintChange hint = upperGraph_.Hover(event);
    if (hint == view3d::HintChange::kShow) {
      savedReadout_ = readout_->text();
      readout_->setText(view3d::kNavigationHint);
    } else if (hint == view3d::HintChange::kRestore) {
      readout_->setText(savedReadout_);
    }
  });
  upper_->setMouseTracking(true);
  grid->addWidget(upper_, 1, 0);
  auto* side = new QVBoxLayout;
  side->addWidget(Button("F", kFrontView, "Front view"));
  side->addWidget(Button("S", kSideView, "Side view"));
  side->addWidget(Button("T", kTopView, "Top view"));
  side->addSpacing(12);
  side->addWidget(Button("+", kUpperZoomIn, "Zoom in"));
  side->addWidget(Button("-", kUpperZoomOut, "Zoom out"));
  side->addStretch(1);
  grid->addLayout(side, 1, 1);
  grid->setRowStretch(1, 1);
  return area;
}

QWidget* MainWindow::BuildLowerArea() {
  auto* area = new QWidget;
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(2, 2, 2, 2);
  readout_ = new QLabel;
  readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  grid->addWidget(readout_, 0, 0, 1, 3);
  auto* band = new QHBoxLayout;
  bandKind_ = new QLabel("1/1");
  bandCombo_ = new QComboBox;
  bandCombo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(bandCombo_, &QComboBox::activated, this,
          [this](int index) { Control(kBandCombo, index); });
  band->addWidget(bandKind_);
  band->addWidget(new QLabel("-octave:"));
  band->addWidget(bandCombo_);
  band->addWidget(new QLabel("Hz"));
  band->addStretch(1);
  grid->addLayout(band, 1, 0, 1, 3);
  lower_ = new GraphView(*fonts_, debug_, area);
  lower_->SetBuilder([this](graphs::GraphWindow& window) { DrawLower(window); });
  lower_->setMouseTracking(true);
  lower_->SetMouseHandler([this](const view3d::MouseEvent& event) {
    if (shell_.State().lower != app::LowerView::kColorMaps) return;
    const std::string text =
        app::ColorMapReadout(lower_->Window(), shell_.Holder(), shell_.Options(),
                             shell_.DecimalComma(), event.x, event.y);
    if (!text.empty()) readout_->setText(QString::fromStdString(text));
  });
  grid->addWidget(lower_, 2, 0);
  pointBar_ = new QScrollBar(Qt::Vertical);
  grid->addWidget(pointBar_, 2, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(Button("+", kLowerZoomIn, "Zoom in"));
  side->addWidget(Button("-", kLowerZoomOut, "Zoom out"));
  side->addStretch(1);
  grid->addLayout(side, 2, 2);
  arcBar_ = new QScrollBar(Qt::Horizontal);
  grid->addWidget(arcBar_, 3, 0);
  for (const auto& [bar, id] :
       {std::pair{arcBar_, kSpectraHorizontal}, std::pair{pointBar_, kSpectraVertical}}) {
    bar->setPageStep(1);
    connect(bar, &QScrollBar::actionTriggered, this, [this, bar = bar, id = id](int action) {
      app::ScrollAction step = app::ScrollAction::kThumb;
      switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
          step = app::ScrollAction::kLineDown;
          break;
        case QAbstractSlider::SliderSingleStepAdd:
          step = app::ScrollAction::kLineUp;
          break;
        case QAbstractSlider::SliderPageStepSub:
          step = app::ScrollAction::kPageDown;
          break;
        case QAbstractSlider::SliderPageStepAdd:
          step = app::ScrollAction::kPageUp;
          break;
        default:
          break;
      }
      Apply(shell_.Scroll(id, step, bar->sliderPosition()));
    });
  }
  auto* radios = new QHBoxLayout;
  lowerRadios_ = new QButtonGroup(area);
  const char* names[] = {"&Polars", "Color &maps", "EA data", "&Balloon-spectra", "CTA-2034"};
  for (int view = 0; view < 5; ++view) {
    auto* radio = new QRadioButton(names[view]);
    if (view == 1) radio->setToolTip("-6 dB angles shown in white");
    lowerRadios_->addButton(radio, app::control::LowerRadioId(view));
    radios->addWidget(radio);
  }
  radios->addStretch(1);
  connect(lowerRadios_, &QButtonGroup::idClicked, this, [this](int id) { Control(id); });
  grid->addLayout(radios, 4, 0, 1, 3);
  grid->setRowStretch(2, 1);
  return area;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The place as it is restored: move() takes the frame's corner, resize()
  // the size inside the frame.
  app::SaveWindowPlace(placeFile_, {pos().x(), pos().y(), width(), height()});
  if (options_) options_->close();
  phase_->close();
  event->accept();
}

}  // namespace zef::gui
