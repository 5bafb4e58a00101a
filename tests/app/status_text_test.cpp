#include <gtest/gtest.h>

#include "shell/status_text.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

std::string Line1(const AppState& state, const ShellState& shell) {
    StatusText text;
    FormatStatus(state, shell, text);
    return StatusLine1(text);
}

TEST(StatusText, StartShowsSpeedAndName) {
    AppState state;
    state.solid.nameJa = "立方体 / 正六面体";
    ShellState shell;
    StatusText text;
    FormatStatus(state, shell, text);
    ASSERT_EQ(text.line1Count, 1);
    EXPECT_EQ(text.line1[0].text, "speed:50 ");
    EXPECT_EQ(text.nameLabel.text, "name:");
    EXPECT_EQ(text.nameLabel.x, 0);
    EXPECT_EQ(text.name.x, 40);
    EXPECT_EQ(text.name.text, "立方体 / 正六面体");
}

TEST(StatusText, PiecesFollowEachOtherAtEightPixelsPerCharacter) {
    AppState state;
    ShellState shell;
    shell.speed = 0.1;
    shell.fpson = 1;
    shell.fps = 97;
    state.display.facecolmode = 9;
    state.solid.patternCount = 3;
    StatusText text;
    FormatStatus(state, shell, text);
    ASSERT_EQ(text.line1Count, 3);
    EXPECT_EQ(StatusLine1(text), "speed:1 pat:1/3 fps:97 ");
    EXPECT_EQ(text.line1[1].x, 8 * 8);
    EXPECT_EQ(text.line1[2].x, 8 * 16);
}

TEST(StatusText, FamilyPieces) {
    AppState state;
    ShellState shell;
    state.solid.zukei = 406;
    state.solid.params.conn = 5;
    state.solid.params.conpn = 2;
    EXPECT_EQ(Line1(state, shell), "speed:50 ang:5/2 ");

    state.solid.zukei = 416;
    state.solid.params.sphn = 24;
    state.solid.params.sphpn = 1;
    state.solid.params.sphm = 12;
    state.solid.params.sphpm = 5;
    EXPECT_EQ(Line1(state, shell), "speed:50 ang:24/1*12/5 ");

    state.solid.zukei = 443;
    state.solid.fractalDepthMax = 3;
    state.display.fracn = 3;
    EXPECT_EQ(Line1(state, shell), "speed:50 level:3(MAX)");
    state.display.fracn = 2;
    EXPECT_EQ(Line1(state, shell), "speed:50 level:2");
}

}  // namespace
}  // namespace gyro

namespace gyro {
namespace {

// A figure that does not exist for its parameters says so, naming where they
// change; any figure with something to draw shows its name as before.
TEST(StatusText, AnEmptyFigureNamesItsRefusal) {
    struct Row {
        ShapeId figure;
        bool built;  // false: the number with an empty mesh, as a failed build leaves it
        Refusal expected;
    };
    const Row rows[] = {
        {5, true, Refusal::None},          {409, true, Refusal::PrismDialog},
        {413, true, Refusal::PrismDialog}, {400, true, Refusal::None},
        {417, false, Refusal::PrismDialog},
        {415, true, Refusal::None},        {415, false, Refusal::SphericalFamily},
        {416, false, Refusal::SphericalFamily}, {414, false, Refusal::PyramidFamily},
        {453, false, Refusal::Other},      {28, true, Refusal::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.figure);
        AppState state;
        InitAppState(state);
        ShellState shell;
        if (row.built) {
            ChangeFigure(state, row.figure);
        } else {
            state.solid.zukei = row.figure;
            state.solid.faces.clear();
            state.solid.segments.clear();
        }
        StatusText text;
        FormatStatus(state, shell, text);
        EXPECT_EQ(text.refusal, row.expected);
        EXPECT_EQ(NothingToDraw(state.solid), row.expected != Refusal::None);
    }
    // Segments alone are something to draw.
    Solid wire;
    wire.vertices = {{0, 0, 0}, {1, 0, 0}};
    wire.segments = {{0, 1}};
    EXPECT_FALSE(NothingToDraw(wire));
}

}  // namespace
}  // namespace gyro
