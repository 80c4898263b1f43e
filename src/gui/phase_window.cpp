#include "gui/phase_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/graph_clipboard.h"
#include "phase/phase_balloon.h"
#include "phase/phase_graph.h"

namespace zef::gui {
namespace {

using namespace app::phase_control;

// Before a place was kept: at the right of the screen, shrunk to it.
constexpr int kFirstWidth = 760;
constexpr int kFirstHeight = 640;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

PhaseWindow::PhaseWindow(app::Shell& shell, const painter::QtFontMetrics& fonts,
                         model::MessageSink& debug, app::Platform& platform,
                         std::filesystem::path placeFile, QWidget* owner)
    : QWidget(owner, Qt::Window),
      shell_(shell),
      fonts_(fonts),
      debug_(debug),
      platform_(platform),
      placeFile_(std::move(placeFile)) {
  setObjectName("phaseDlg");
  auto* top = new QHBoxLayout;
  balloonBox_ = new QGroupBox("Phase balloon");
  auto* inBox = new QVBoxLayout(balloonBox_);
  balloon_ = new GraphView(fonts_, debug_, balloonBox_);
  balloon_->setMinimumSize(360, 300);
  balloon_->SetBuilder([this](graphs::GraphWindow& window) { DrawBalloon(window); });
  balloon_->SetMouseHandler([this](const view3d::MouseEvent& event) {
    if (shell_.Phase().Mouse(event, balloon_->width(), balloon_->height())) Follow();
  });
  inBox->addWidget(balloon_);
  top->addWidget(balloonBox_, 1);
  top->addWidget(BuildSide());

  curves_ = new GraphView(fonts_, debug_, this);
  curves_->setMinimumSize(560, 220);
  curves_->SetBuilder([this](graphs::GraphWindow& window) { DrawCurves(window); });
  auto* copyCurves = new QPushButton("Copy");
  connect(copyCurves, &QPushButton::clicked, this, [this] { Copy(*curves_); });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(curves_, 1);
  bottom->addWidget(copyCurves, 0, Qt::AlignTop);

  auto* all = new QVBoxLayout(this);
  all->addLayout(top, 3);
  all->addLayout(bottom, 2);
}

QWidget* PhaseWindow::BuildSide() {
  auto* side = new QWidget;
  auto* column = new QVBoxLayout(side);
  track_ = new QCheckBox("Track mag");
  unwrap_ = new QCheckBox("Unwrap");
  connect(track_, &QCheckBox::clicked, this, [this] { Command(kTrackMag); });
  connect(unwrap_, &QCheckBox::clicked, this, [this] { Command(kUnwrap); });
  auto* copyBalloon = new QPushButton("Copy");
  connect(copyBalloon, &QPushButton::clicked, this, [this] { Copy(*balloon_); });
  column->addWidget(track_);
  column->addWidget(unwrap_);
  column->addWidget(copyBalloon);

  auto* filter = new QGroupBox("Filter");
  filterType_ = new QLabel;
  (new QVBoxLayout(filter))->addWidget(filterType_);
  column->addWidget(filter);

  auto* show = new QGroupBox("Show");
  auto* radios = new QVBoxLayout(show);
  modes_ = new QButtonGroup(show);
  const char* names[] = {"Sensitivity", "Filter", "Combined"};
  for (int mode = 0; mode < 3; ++mode) {
    auto* radio = new QRadioButton(names[mode]);
    modes_->addButton(radio, kSensitivity + mode);
    radios->addWidget(radio);
  }
  connect(modes_, &QButtonGroup::idClicked, this, [this](int id) { Command(id); });
  column->addWidget(show);
  column->addStretch(1);
  return side;
}

void PhaseWindow::Command(int id) {
  shell_.PhaseCommand(id);
  Follow();
}

void PhaseWindow::Follow() {
  const phase::Redraw redraw = shell_.Phase().TakeRedraw();
  const phase::PhaseWindowModel& model = shell_.Phase().Window();
  if (!model.Visible()) {
    hide();
    return;
  }
  setWindowTitle(Q(model.Title()));
  balloonBox_->setTitle(Q(model.Caption()));
  filterType_->setText(Q(model.FilterType()));
  {
    const QSignalBlocker blockTrack(track_);
    const QSignalBlocker blockUnwrap(unwrap_);
    track_->setChecked(model.TrackMag());
    unwrap_->setChecked(model.Unwrap());
  }
  for (const int id : {kSensitivity + 1, kCombined}) {
    modes_->button(id)->setEnabled(model.FilterModesEnabled());
  }
  modes_->button(kSensitivity + static_cast<int>(model.Mode()))->setChecked(true);
  const bool shown = isVisible();
  if (!placed_) Place();
  if (!shown) show();
  if (!shown || redraw.balloon) balloon_->Rebuild();
  if (!shown || redraw.curves) curves_->Rebuild();
}

void PhaseWindow::Copy(const GraphView& view) {
  const auto payload = app::MetaPayload(QtGraphRenderer(fonts_), view.Window(),
                                        graphs::FooterPlacement::kBottomCentre);
  if (payload) platform_.SetClipboard(*payload);
}

void PhaseWindow::DrawBalloon(graphs::GraphWindow& window) {
  const model::DataSet* set = shell_.Holder().Loaded();
  const phase::PhaseWindowModel& model = shell_.Phase().Window();
  if (set == nullptr || !model.Visible() || !set->HasPhaseData()) return;
  phase::DrawPhaseBalloonPicture(window, *set, model.Band(), model.Unwrap(), shell_.Options(),
                                 model.BalloonCamera(), debug_);
}

void PhaseWindow::DrawCurves(graphs::GraphWindow& window) {
  const model::DataSet* set = shell_.Holder().Loaded();
  const phase::PhaseWindowModel& model = shell_.Phase().Window();
  if (set == nullptr || !model.Visible() || !set->HasPhaseData()) return;
  phase::BuildPhaseGraph(window, *set, model.Mode(), shell_.Options());
}

void PhaseWindow::Place() {
  placed_ = true;
  const QRect free = screen()->availableGeometry();
  app::WindowPlace place{free.x() + free.width() - kFirstWidth, free.y(), kFirstWidth,
                         kFirstHeight};
  app::LoadWindowPlace(placeFile_, place);
  place = app::FitToScreen(place, {free.x(), free.y(), free.width(), free.height()});
  move(place.x, place.y);
  resize(place.width, place.height);
}

void PhaseWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // pos() is the frame's corner, as move() takes it.
  app::SaveWindowPlace(placeFile_, {x(), y(), width(), height()});
}

void PhaseWindow::closeEvent(QCloseEvent* event) {
  shell_.Phase().Closed();
  event->accept();
}

}  // namespace zef::gui
