#include <gtest/gtest.h>

#include "catalog/command_ids.h"
#include "app/commands.h"

namespace gyro {
namespace {

ColourChooser Answer(bool accept, Colour colour) {
    return [accept, colour](Colour& c) {
        if (accept) c = colour;
        return accept;
    };
}

TEST(StateCommands, StereoSwitchesPerspectiveOnButNotOff) {
    AppState state;
    ShellState shell;
    state.display.person = 0;
    ASSERT_TRUE(RunStateCommand(state, shell, cmd::kStereo, Answer(false, 0)));
    EXPECT_EQ(state.display.stereoon, 1);
    EXPECT_EQ(state.display.person, 1);
    RunStateCommand(state, shell, cmd::kStereo, Answer(false, 0));
    EXPECT_EQ(state.display.stereoon, 0);
    EXPECT_EQ(state.display.person, 1);
}

TEST(StateCommands, ColourModesAreSetOnlyWhenAColourWasChosen) {
    AppState state;
    ShellState shell;
    RunStateCommand(state, shell, cmd::kBackgroundColour, Answer(false, 0x123456));
    EXPECT_EQ(state.display.bkmode, 0);
    EXPECT_EQ(state.display.bkcol, 0x00FFFF00u);
    RunStateCommand(state, shell, cmd::kBackgroundColour, Answer(true, 0x123456));
    EXPECT_EQ(state.display.bkmode, 2);
    EXPECT_EQ(state.display.bkcol, 0x123456u);

    RunStateCommand(state, shell, cmd::kFaceSingleColour, Answer(true, 0x0000FF));
    EXPECT_EQ(state.display.facecolmode, 11);
    RunStateCommand(state, shell, cmd::kHiddenColour, Answer(false, 0));
    EXPECT_EQ(state.display.urapencolmode, 2);
    RunStateCommand(state, shell, cmd::kShadowColour, Answer(true, 0x404040));
    EXPECT_EQ(state.display.shadowcol, 0x404040u);
}

TEST(StateCommands, PaletteSlotsAndReset) {
    AppState state;
    ShellState shell;
    RunStateCommand(state, shell, cmd::kPaletteFirst + 9, Answer(true, 0x00ABCDEF));
    EXPECT_EQ(state.solid.params.palette[9], 0x00ABCDEFu);
    state.solid.params.sikisouhz = 4;
    RunStateCommand(state, shell, cmd::kPaletteReset, Answer(false, 0));
    EXPECT_EQ(state.solid.params.palette, kDefaultPalette);
    EXPECT_EQ(state.solid.params.sikisouhz, 1);
}

TEST(StateCommands, SizeStandardAndUnknownIds) {
    AppState state;
    ShellState shell;
    const auto none = Answer(false, 0);
    RunStateCommand(state, shell, cmd::kKikakuCircumscribed, none);
    EXPECT_EQ(state.solid.params.kikaku, 1);
    EXPECT_EQ(state.solid.zukei, 5);  // rebuilt, same figure
    // Window commands and commands not built yet are left to the window.
    EXPECT_FALSE(RunStateCommand(state, shell, cmd::kExit, none));
    EXPECT_FALSE(RunStateCommand(state, shell, cmd::kSaveSettings, none));
}

}  // namespace
}  // namespace gyro
