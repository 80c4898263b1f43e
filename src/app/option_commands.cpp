#include "app/option_commands.h"

#include <algorithm>
#include <initializer_list>

namespace zef::app {
namespace {

using graphs::Option;

bool LowerShows(const ShellState& state, std::initializer_list<LowerView> views) {
  return std::find(views.begin(), views.end(), state.lower) != views.end();
}

Changes IfLoaded(const ShellState& state, Changes changes) {
  return state.fileLoaded ? changes : kNoChange;
}

Changes PolarOption(ShellState& state) {
  Changes changes = kUpperChanged;
  if (LowerShows(state, {LowerView::kPolars, LowerView::kBalloonSpectra})) changes |= kLowerChanged;
  return IfLoaded(state, changes | kControlsChanged);
}

Changes BalloonOption(ShellState& state) {
  if (!state.fileLoaded) return kNoChange;
  state.upper = UpperView::kBalloon3D;
  Changes changes = kUpperChanged | kControlsChanged;
  if (LowerShows(state, {LowerView::kColorMaps, LowerView::kBalloonSpectra})) {
    changes |= kLowerChanged;
  }
  return changes;
}

}  // namespace

int PolarRangeFor10DbTics(int polarRange) {
  const int range = (polarRange + 3) / 10 * 10;
  return range == 20 ? 30 : range;
}

int PolarRangeFor6DbTics(int polarRange) {
  return polarRange / 6 * 6;
}

Changes OptionCommand(ShellState& state, graphs::OptionSet& options, int id) {
  using namespace option_id;
  switch (id) {
    case kPolarOnAxis:
    case kPolarMax:
      options.Set(Option::kPolarReferenceMax, id == kPolarMax);
      return PolarOption(state);
    case kTics10Db:
      options.Set(Option::kPolarTics6Db, false);
      state.polarRange = PolarRangeFor10DbTics(state.polarRange);
      return PolarOption(state);
    case kTics6Db:
      options.Set(Option::kPolarTics6Db, true);
      state.polarRange = PolarRangeFor6DbTics(state.polarRange);
      return PolarOption(state);
    case kHeavyPolarLines:
      options.Toggle(Option::kHeavyLines);
      return PolarOption(state);
    case kMarkMinus6Db:
      options.Toggle(Option::kMarkMinus6Db);
      return PolarOption(state);
    case kBalloonOnAxis:
    case kBalloonMax:
      options.Set(Option::kBalloonReferenceMax, id == kBalloonMax);
      return BalloonOption(state);
    case kSymmetry:
      options.Toggle(Option::kShowSymmetry);
      return BalloonOption(state);
    case kShade:
      options.Toggle(Option::kShadeBalloon);
      return BalloonOption(state);
    case kGridWhenShaded:
      options.Toggle(Option::kGridWhenShaded);
      return BalloonOption(state);
    case kColouredSphere:
      options.Toggle(Option::kColouredSphere);
      return BalloonOption(state);
    case kQ:
    case kDi: {
      options.Toggle(Option::kShowDi);  // choosing the checked one switches to the other
      const bool graph = state.lower == LowerView::kEaData && state.eaSelection == 5;
      return IfLoaded(state, kSheetChanged | (graph ? kLowerChanged : kNoChange));
    }
    case kFixedScales:
      options.Toggle(Option::kFixedScales);
      return IfLoaded(state, LowerShows(state, {LowerView::kEaData, LowerView::kCta2034})
                                 ? kLowerChanged
                                 : kNoChange);
    case kHeavyCurves:
      options.Toggle(Option::kHeavyCurves);
      return IfLoaded(state, LowerShows(state, {LowerView::kEaData, LowerView::kBalloonSpectra,
                                                LowerView::kCta2034})
                                 ? kLowerChanged
                                 : kNoChange);
    case kSteppedCurves:
      options.Toggle(Option::kSteppedCurves);
      return IfLoaded(state, LowerShows(state, {LowerView::kColorMaps, LowerView::kEaData,
                                                LowerView::kBalloonSpectra, LowerView::kCta2034})
                                 ? kLowerChanged
                                 : kNoChange);
    case kDxfFaces:
      options.Toggle(Option::kDrawDxfFaces);
      return IfLoaded(state,
                      state.upper == UpperView::kCabinet3D && state.cabinet == CabinetKind::kDxf
                          ? kUpperChanged
                          : kNoChange);
    default:
      return kNoChange;
  }
}

}  // namespace zef::app
