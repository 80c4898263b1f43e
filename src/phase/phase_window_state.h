#pragma once

#include <cstdint>
#include <string>

#include "model/data_set.h"
#include "phase/phase_balloon.h"
#include "phase/phase_curves.h"
#include "view3d/camera_projection.h"

namespace zef::phase {

// Bits of an update: what the phase window refreshes.
namespace update {
inline constexpr std::uint32_t kBalloon = 1;  // caption, band, shown, balloon drawn
inline constexpr std::uint32_t kCurves = 2;
inline constexpr std::uint32_t kTitle = 4;
inline constexpr std::uint32_t kAll = kBalloon | kCurves | kTitle;
}  // namespace update

// What the window must draw again after a change.
struct Redraw {
  bool balloon = false;
  bool curves = false;
  bool operator==(const Redraw&) const = default;
};

// "Phase and filters - " and the model name; for a part of a system of more
// than one part " (n of m : ", the part text and ")".
std::string PhaseWindowTitle(const model::InfoRecord& info, const model::SystemPartRecord& part);
// "none", "1/3-oct re,im", "FIR Wav" or "pending".
std::string FilterTypeText(model::FilterKind kind);
// "Phase balloon - " and the band's short label and "Hz".
std::string BalloonCaption(int band);

// The phase window's state apart from its widgets: the texts it shows, the
// curve mode and which modes may be picked, the two check boxes and whether
// it is shown.
class PhaseWindowModel {
 public:
  // A newly loaded set: hides the window for a set without phase data, else
  // updates everything for the band.
  Redraw Load(const model::DataSet& set, int band);
  // The shell's update; the set must have phase data. Always resets the
  // curve mode to the sensitivity and redraws the curves. A balloon update
  // keeps the main balloon view's camera.
  Redraw Update(std::uint32_t flags, const model::DataSet& set, int band,
                const view3d::ViewCamera& mainCamera = {});
  // Ignored for a mode that is disabled.
  Redraw SetMode(CurveMode mode);
  // Redraws the balloon as a balloon update does (the curve mode too goes
  // back to the sensitivity).
  Redraw ToggleUnwrap();
  // True when tracking was turned on, so the main camera applies at once.
  bool ToggleTrackMag();
  void Show(bool on) { visible_ = on; }
  // What the phase balloon is seen through; the mouse moves it. Turning
  // tracking on, and every balloon update while it is on, puts the kept main
  // camera there at distance 300; turning it off leaves the picture as it is.
  view3d::ViewCamera BalloonCamera() const { return own_; }
  view3d::ViewCamera& OwnCamera() { return own_; }

  CurveMode Mode() const { return mode_; }
  bool FilterModesEnabled() const { return filterModes_; }
  bool Unwrap() const { return unwrap_; }
  bool TrackMag() const { return trackMag_; }
  bool Visible() const { return visible_; }
  int Band() const { return band_; }
  const std::string& Title() const { return title_; }
  const std::string& Caption() const { return caption_; }
  const std::string& FilterType() const { return filterType_; }

 private:
  view3d::ViewCamera Tracked() const;

  CurveMode mode_ = CurveMode::kSensitivity;
  bool filterModes_ = false;
  bool unwrap_ = false;
  bool trackMag_ = false;
  bool visible_ = false;
  int band_ = 0;
  std::string title_;
  std::string caption_;
  std::string filterType_;
  view3d::ViewCamera main_;
  view3d::ViewCamera own_ = PhaseCamera();
};

}  // namespace zef::phase
