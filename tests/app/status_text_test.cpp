#include <gtest/gtest.h>

#include "app/status_text.h"

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
