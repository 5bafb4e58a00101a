#include <gtest/gtest.h>

#include <set>

#include "catalog/command_ids.h"
#include "app/menu_marks.h"

namespace gyro {
namespace {

std::set<int> Checked(const AppState& state, const ShellState& shell, std::span<const FigureCommand> figures = {}) {
    std::set<int> ids;
    for (const MenuMark& m : MenuMarks(state, shell, figures)) {
        if (m.checked) ids.insert(m.id);
    }
    return ids;
}

TEST(MenuMarks, StartState) {
    AppState state;
    ShellState shell;
    const std::set<int> expected = {
        cmd::kMouse,       cmd::kFaceGrey,      cmd::kKikakuInscribed, cmd::kPenThin,
        cmd::kPenOppositeBackground, cmd::kHiddenWidthAsVisible, cmd::kHiddenAsBackground,
        cmd::kBackgroundBlack, cmd::kShading,   cmd::kGloss,           cmd::kPerspective, cmd::kSymmetry,
        cmd::kExactDepth,      cmd::kLanguageJapanese,
    };
    EXPECT_EQ(Checked(state, shell), expected);
    shell.language = UiLanguage::English;
    EXPECT_TRUE(Checked(state, shell).contains(cmd::kLanguageEnglish));
    EXPECT_FALSE(Checked(state, shell).contains(cmd::kLanguageJapanese));
}

TEST(MenuMarks, EveryItemListedOnceAndEachGroupFollowsItsField) {
    AppState state;
    ShellState shell;
    const FigureCommand figures[] = {{cmd::kFigureFirst, 1}, {cmd::kFigureFirst + 1, 5}, {cmd::kFigureFirst + 2, 395}};
    std::set<int> seen;
    for (const MenuMark& m : MenuMarks(state, shell, figures)) EXPECT_TRUE(seen.insert(m.id).second) << m.id;

    state.solid.zukei = 395;
    state.display.facecolmode = 11;
    state.display.pencolmode = 4;
    state.display.urapencolmode = 7;
    state.display.bkmode = 2;
    state.display.lightmode = 2;
    state.solid.params.kikaku = 1;
    state.display.stereoon = 1;
    state.display.rezerse = 1;
    state.display.ctpix = 1;
    state.display.exactdepth = 0;
    state.view.autoroton = 1;
    shell.inertiaon = 1;
    shell.fpson = 1;
    const std::set<int> checked = Checked(state, shell, figures);
    for (int id : {cmd::kFigureFirst + 2, cmd::kFaceSingleColour, cmd::kPenColour, cmd::kHiddenColour,
                   cmd::kBackgroundColour, cmd::kGloss, cmd::kKikakuCircumscribed, cmd::kStereo, cmd::kInside,
                   cmd::kCentrePoint, cmd::kAutoRotation, cmd::kInertia, cmd::kShowFps}) {
        EXPECT_TRUE(checked.count(id)) << id;
    }
    for (int id : {cmd::kFigureFirst, cmd::kFigureFirst + 1, cmd::kFaceGrey, cmd::kShading, cmd::kKikakuInscribed,
                   cmd::kPenOppositeBackground, cmd::kBackgroundBlack, cmd::kExactDepth}) {
        EXPECT_FALSE(checked.count(id)) << id;
    }
}

}  // namespace
}  // namespace gyro
