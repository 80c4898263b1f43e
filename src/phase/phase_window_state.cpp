#include "phase/phase_window_state.h"

#include "model/bands.h"
#include "model/fixed_text.h"

namespace zef::phase {
namespace {

// The main balloon's own distance at the widest range, so both balloons
// show at one size.
constexpr float kTrackedDistance = 300;

}  // namespace

std::string PhaseWindowTitle(const model::InfoRecord& info, const model::SystemPartRecord& part) {
  std::string title = "Phase and filters - ";
  title += model::TextOf(info.modelName);
  if (part.parts > 1) {
    title += " (" + std::to_string(part.part) + " of " + std::to_string(part.parts) + " : ";
    title += model::TextOf(part.partText);
    title += ")";
  }
  return title;
}

std::string FilterTypeText(model::FilterKind kind) {
  switch (kind) {
    case model::FilterKind::ThirdOctaveComplex:
      return "1/3-oct re,im";
    case model::FilterKind::FirWav:
      return "FIR Wav";
    case model::FilterKind::Pending:
      return "pending";
    default:
      return "none";
  }
}

std::string BalloonCaption(int band) {
  return "Phase balloon - " + std::string(model::Zef2ShortLabel(band)) + "Hz";
}

Redraw PhaseWindowModel::Load(const model::DataSet& set, int band) {
  if (!set.HasPhaseData()) {
    visible_ = false;
    return {};
  }
  return Update(update::kAll, set, band);
}

Redraw PhaseWindowModel::Update(std::uint32_t flags, const model::DataSet& set, int band,
                                const view3d::ViewCamera& mainCamera) {
  Redraw redraw{false, true};
  const model::FilterKind kind = set.filter ? set.filter->kind : model::FilterKind::None;
  filterModes_ = kind == model::FilterKind::ThirdOctaveComplex || kind == model::FilterKind::FirWav;
  filterType_ = FilterTypeText(kind);
  mode_ = CurveMode::kSensitivity;
  if ((flags & update::kTitle) != 0) title_ = PhaseWindowTitle(*set.info, set.systemPart);
  if ((flags & update::kBalloon) != 0) {
    caption_ = BalloonCaption(band);
    band_ = band;
    main_ = mainCamera;
    if (trackMag_) own_ = Tracked();
    visible_ = true;
    redraw.balloon = true;
  }
  return redraw;
}

Redraw PhaseWindowModel::SetMode(CurveMode mode) {
  if (mode != CurveMode::kSensitivity && !filterModes_) return {};
  mode_ = mode;
  return {false, true};
}

Redraw PhaseWindowModel::ToggleUnwrap() {
  unwrap_ = !unwrap_;
  // A balloon update like any other, so the curves start again from the
  // sensitivity.
  mode_ = CurveMode::kSensitivity;
  return {true, true};
}

view3d::ViewCamera PhaseWindowModel::Tracked() const {
  view3d::ViewCamera camera = main_;
  camera.distance = kTrackedDistance;
  return camera;
}

bool PhaseWindowModel::ToggleTrackMag() {
  trackMag_ = !trackMag_;
  if (trackMag_) own_ = Tracked();
  return trackMag_;
}

}  // namespace zef::phase
