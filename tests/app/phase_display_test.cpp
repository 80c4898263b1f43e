#include "app/phase_display.h"

#include <gtest/gtest.h>

#include "app/shell_state.h"
#include "binary/binary_fixture.h"

namespace zef::app {
namespace {

// Phase data, read from a text: whether the phase window shows.
TEST(PhaseDisplay, ActiveOnlyForPhaseDataReadFromAText) {
  for (const auto& [phase, fromText, active] :
       {std::tuple{true, true, true}, {true, false, false}, {false, true, false}}) {
    auto set = binary::testing::FilledSet(model::FormatKind::Zef2, 2);
    if (phase) binary::testing::AddPhase(*set, model::FilterKind::FirWav);
    LoadedFile file;
    file.set = std::move(set);
    file.loadedFromText = fromText;
    DataSetHolder holder;
    holder.Install(std::move(file));
    PhaseDisplay display;
    display.Loaded(holder, ShellState{});
    EXPECT_EQ(std::pair(display.Active(), display.Window().Visible()), std::pair(active, active))
        << phase << fromText;
  }
}

}  // namespace
}  // namespace zef::app
