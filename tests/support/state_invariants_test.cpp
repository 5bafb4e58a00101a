#include "support/state_invariants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "state/dispatcher.h"

namespace gyro::test {
namespace {

// The cube on a small picture: every invariant holds.
AppState Sound() {
    AppState state;
    InitAppState(state);
    CreateBackBuffer(state, 40, 30);
    return state;
}

// Each fault the monkey must notice, planted in a sound state.
struct Fault {
    const char* planted;
    void (*plant)(AppState&);
    const char* reported;  // a piece of the report
};

const Fault kFaults[] = {
    {"pattern at the count", [](AppState& s) { s.display.orgcolpat = s.solid.patternCount; }, "orgcolpat"},
    {"negative pattern", [](AppState& s) { s.display.orgcolpat = -1; }, "orgcolpat"},
    {"fractal depth past the figure's",
     [](AppState& s) { ChangeFigure(s, 443); s.display.fracn = static_cast<int8_t>(s.solid.fractalDepthMax + 1); },
     "fracn"},
    {"corner past the vertices",
     [](AppState& s) { s.solid.faces[3].corners[1] = static_cast<int32_t>(s.solid.vertices.size()); }, "corner"},
    {"negative corner", [](AppState& s) { s.solid.faces[0].corners[0] = -1; }, "corner"},
    {"segment past the vertices", [](AppState& s) { s.solid.segments.push_back({0, 8}); }, "segment"},
    {"buffer narrower than the view", [](AppState& s) { s.solid.params.viewx = 41; }, "back buffer"},
    {"buffer short of pixels", [](AppState& s) { s.display.backBuffer.pixels.pop_back(); }, "back buffer"},
    {"orientation not a number",
     [](AppState& s) { s.view.ax[1][2] = std::numeric_limits<double>::quiet_NaN(); }, "orientation"},
    {"infinite axis", [](AppState& s) { s.view.nax[0] = std::numeric_limits<double>::infinity(); }, "axis"},
    {"zero zoom", [](AppState& s) { s.view.rad = 0; }, "zoom"},
    {"mode the loader resets", [](AppState& s) { s.display.penbold = 7; }, "penbold"},
    {"flag the loader turns into 1", [](AppState& s) { s.display.stereoon = 3; }, "stereoon"},
    {"sphere count past its limit", [](AppState& s) { s.solid.params.sphn = 9000; }, "sphn"},
};

TEST(StateInvariants, NameEachPlantedFault) {
    EXPECT_EQ(StateInvariantViolation(Sound()), "");
    for (const Fault& fault : kFaults) {
        AppState state = Sound();
        fault.plant(state);
        const std::string report = StateInvariantViolation(state);
        EXPECT_NE(report.find(fault.reported), std::string::npos) << fault.planted << ": '" << report << "'";
    }
}

// The walk over the faces can be left out; the rest is still checked.
TEST(StateInvariants, MeshWalkCanBeLeftOut) {
    AppState state = Sound();
    state.solid.faces[0].corners[0] = 99;
    EXPECT_EQ(StateInvariantViolation(state, false), "");
    state.view.rad = std::nan("");
    EXPECT_NE(StateInvariantViolation(state, false), "");
}

}  // namespace
}  // namespace gyro::test
