#include "phase/phase_window_state.h"

#include <gtest/gtest.h>

#include "model/fixed_text.h"
#include "phase_set.h"

namespace zef::phase {
namespace {

TEST(PhaseWindowTexts, TitleFilterTypeAndCaption) {
  model::DataSet set = PhaseSet();
  model::SetText(set.info->modelName, "Coax 12");
  model::SetText(set.systemPart.partText, "Mid");
  for (const auto& [part, parts, title] :
       {std::tuple{1u, 1u, "Phase and filters - Coax 12"},
        std::tuple{2u, 3u, "Phase and filters - Coax 12 (2 of 3 : Mid)"},
        std::tuple{10u, 12u, "Phase and filters - Coax 12 (10 of 12 : Mid)"}}) {
    std::tie(set.systemPart.part, set.systemPart.parts) = std::tie(part, parts);
    EXPECT_EQ(PhaseWindowTitle(*set.info, set.systemPart), title);
  }
  std::string types;
  for (const int kind : {0, 1, 2, 3, 7}) {
    types += std::string(FilterTypeText(static_cast<model::FilterKind>(kind))) + "|";
  }
  EXPECT_EQ(types, "none|1/3-oct re,im|FIR Wav|pending|none|");
  EXPECT_EQ(BalloonCaption(16) + "|" + BalloonCaption(27),
            "Phase balloon - 1kHz|Phase balloon - 12.5kHz");
}

TEST(PhaseWindowModel, FilterKindDecidesTheModesAndEveryUpdateResetsTheMode) {
  using enum model::FilterKind;
  for (const auto& [kind, enabled] :
       {std::pair{None, false}, {ThirdOctaveComplex, true}, {FirWav, true}, {Pending, false}}) {
    model::DataSet set = PhaseSet();
    set.filter->kind = kind;
    PhaseWindowModel window;
    EXPECT_EQ(window.Load(set, 16), (Redraw{true, true}));
    EXPECT_EQ(window.FilterModesEnabled(), enabled);
    EXPECT_EQ(window.SetMode(CurveMode::kCombined), (Redraw{false, enabled}));
    EXPECT_EQ(window.Mode(), enabled ? CurveMode::kCombined : CurveMode::kSensitivity);
    EXPECT_EQ(window.Update(update::kCurves, set, 16), (Redraw{false, true}));
    EXPECT_EQ(window.Mode(), CurveMode::kSensitivity);
  }
}

TEST(PhaseWindowModel, ShowsOnTheBalloonUpdateAndHidesForASetWithoutPhase) {
  model::DataSet set = PhaseSet();
  PhaseWindowModel window;
  window.Update(update::kCurves | update::kTitle, set, 5);
  EXPECT_EQ(std::tuple(window.Visible(), window.Title(), window.Caption()),
            std::tuple(false, "Phase and filters - ", ""));
  window.Update(update::kBalloon, set, 5);
  EXPECT_EQ(std::tuple(window.Visible(), window.Band(), window.Caption()),
            std::tuple(true, 5, "Phase balloon - 80Hz"));
  set.filter->kind = model::FilterKind::FirWav;
  window.Update(update::kCurves, set, 5);
  window.SetMode(CurveMode::kFilter);
  EXPECT_EQ(window.ToggleUnwrap(), (Redraw{true, true}));
  EXPECT_EQ(std::pair(window.Mode(), window.Unwrap()), std::pair(CurveMode::kSensitivity, true));
  EXPECT_TRUE(window.ToggleTrackMag());
  EXPECT_FALSE(window.ToggleTrackMag());
  set.phase.reset();
  EXPECT_EQ(window.Load(set, 5), Redraw{});
  EXPECT_FALSE(window.Visible());
}

}  // namespace
}  // namespace zef::phase
