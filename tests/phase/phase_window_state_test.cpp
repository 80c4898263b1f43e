#include "phase/phase_window_state.h"

#include <gtest/gtest.h>

#include "model/fixed_text.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

TEST(PhaseWindowTexts, TitleFilterTypeAndCaption) {
  model::DataSet set = PhaseSet();
  model::SetText(set.info->modelName, "Coax 12");
  struct Case {
    std::uint32_t part, parts;
    const char* title;
  };
  for (const Case& c : {Case{1, 1, "Phase and filters - Coax 12"},
                        Case{2, 3, "Phase and filters - Coax 12 (2 of 3 : Mid)"},
                        Case{10, 12, "Phase and filters - Coax 12 (10 of 12 : Mid)"}}) {
    set.systemPart.part = c.part;
    set.systemPart.parts = c.parts;
    model::SetText(set.systemPart.partText, "Mid");
    EXPECT_EQ(PhaseWindowTitle(*set.info, set.systemPart), c.title);
  }
  EXPECT_EQ(FilterTypeText(model::FilterKind::None), "none");
  EXPECT_EQ(FilterTypeText(model::FilterKind::ThirdOctaveComplex), "1/3-oct re,im");
  EXPECT_EQ(FilterTypeText(model::FilterKind::FirWav), "FIR Wav");
  EXPECT_EQ(FilterTypeText(model::FilterKind::Pending), "pending");
  EXPECT_EQ(FilterTypeText(static_cast<model::FilterKind>(7)), "none");
  EXPECT_EQ(BalloonCaption(16), "Phase balloon - 1kHz");
  EXPECT_EQ(BalloonCaption(27), "Phase balloon - 12.5kHz");
}

TEST(PhaseWindowModel, FilterKindDecidesTheModesAndEveryUpdateResetsTheMode) {
  struct Case {
    model::FilterKind kind;
    bool enabled;
  };
  for (const Case& c :
       {Case{model::FilterKind::None, false}, Case{model::FilterKind::ThirdOctaveComplex, true},
        Case{model::FilterKind::FirWav, true}, Case{model::FilterKind::Pending, false}}) {
    model::DataSet set = PhaseSet();
    set.filter->kind = c.kind;
    PhaseWindowModel window;
    EXPECT_EQ(window.Load(set, 16), (Redraw{true, true}));
    EXPECT_EQ(window.FilterModesEnabled(), c.enabled);
    EXPECT_EQ(window.SetMode(CurveMode::kCombined), (Redraw{false, c.enabled}));
    EXPECT_EQ(window.Mode(), c.enabled ? CurveMode::kCombined : CurveMode::kSensitivity);
    EXPECT_EQ(window.Update(update::kCurves, set, 16), (Redraw{false, true}));
    EXPECT_EQ(window.Mode(), CurveMode::kSensitivity);
  }
}

TEST(PhaseWindowModel, ShowsOnTheBalloonUpdateAndHidesForASetWithoutPhase) {
  model::DataSet set = PhaseSet();
  PhaseWindowModel window;
  window.Update(update::kCurves | update::kTitle, set, 5);
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(window.Title(), "Phase and filters - ");
  EXPECT_EQ(window.Caption(), "");
  window.Update(update::kBalloon, set, 5);
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(window.Band(), 5);
  EXPECT_EQ(window.Caption(), "Phase balloon - 80Hz");
  EXPECT_EQ(window.ToggleUnwrap(), (Redraw{true, false}));
  EXPECT_TRUE(window.Unwrap());
  EXPECT_TRUE(window.ToggleTrackMag());
  EXPECT_FALSE(window.ToggleTrackMag());
  set.phase.reset();
  EXPECT_EQ(window.Load(set, 5), Redraw{});
  EXPECT_FALSE(window.Visible());
}

}  // namespace
}  // namespace zef::phase
