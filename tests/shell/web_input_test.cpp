#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "io/settings_file.h"
#include "shell/browser_keys.h"
#include "shell/view_link.h"
#include "state/dispatcher.h"

namespace gyro {
namespace {

// The browser's key names reach the same keys as the desktop's.
TEST(BrowserKeys, KeysAsOnTheDesktop) {
    struct Case {
        const char* code;
        bool command;
        std::optional<Key> key;
        int step;
    };
    const Case cases[] = {
        {"Numpad8", false, Key::Numpad8, 0}, {"NumpadAdd", false, Key::Add, 0},
        {"NumpadEnter", false, Key::Return, 0}, {"Enter", false, Key::Return, 0},
        {"ArrowLeft", false, Key::Left, 0},   {"Insert", false, Key::Insert, 0},
        {"Space", false, Key::Space, 0},      {"KeyZ", false, Key::Z, 0},
        {"KeyP", false, Key::P, 0},           {"KeyQ", false, std::nullopt, -1},
        {"PageUp", false, std::nullopt, -1},  {"KeyW", false, std::nullopt, +1},
        {"PageDown", false, std::nullopt, +1},
        // Not the viewer's: letters without a role, the keypad's 0, browser shortcuts.
        {"KeyL", false, std::nullopt, 0},     {"Numpad0", false, std::nullopt, 0},
        {"KeyR", true, std::nullopt, 0},      {"KeyW", true, std::nullopt, 0},
        {"", false, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const KeyInput input = MapBrowserKey(c.code, c.command);
        EXPECT_EQ(input.key, c.key) << c.code;
        EXPECT_EQ(input.figureStep, c.step) << c.code;
    }
}

AppState TurnedState(ShapeId figure) {
    AppState state;
    InitAppState(state);
    ChangeFigure(state, figure);
    RotateAboutAxis(state.view, {0.3, 0.7, 0.1}, 37.0);
    RotateInPlane(state.view, 0, 1, 0.1);
    ScaleView(state.view, 0.731);
    return state;
}

// A link brings back the figure and the very same view bits, as a saved file
// of the same state would bring back the figure.
TEST(ViewLink, RestoresFigureAndViewExactly) {
    const AppState turned = TurnedState(120);
    const std::string link = ViewLinkText(turned);
    AppState opened;
    InitAppState(opened);
    ASSERT_TRUE(OpenViewLink("#" + link, opened)) << link;
    EXPECT_EQ(opened.solid.zukei, 120);
    EXPECT_EQ(std::memcmp(&opened.view.ax, &turned.view.ax, sizeof turned.view.ax), 0) << link;
    EXPECT_EQ(opened.view.rad, turned.view.rad);
    EXPECT_EQ(opened.solid.vertices.size(), turned.solid.vertices.size());
    EXPECT_EQ(ViewLinkText(opened), link);
}

TEST(ViewLink, BrokenLinksChangeNothing) {
    const AppState turned = TurnedState(11);
    const std::string good = ViewLinkText(turned);
    const std::string ax = good.substr(good.find("&ax="), good.find("&rad=") - good.find("&ax="));
    const char* const broken[] = {
        "",          "z=",           "z=abc",       "z=99999",      "z=5x",       "z=-5",        "z=70000",
        "rad=0x1p+0", "z=5&ax=1,2,3", "z=5&ax=1,2,3,4,5,6,7,8,9,10", "z=5&rad=nan", "z=5&rad=1\nzukei:7",
        "z=5&ax=1,0,0,0,1,0,0,0,1e5000000000000000000000000000000000000000000", "z=5&rad=",
    };
    for (const char* link : broken) {
        AppState state = turned;
        EXPECT_FALSE(OpenViewLink(link, state)) << link;
        EXPECT_EQ(state.solid.zukei, 11) << link;
        EXPECT_EQ(SaveSettings(state), SaveSettings(turned)) << link;
    }
    // A zoom of zero is put right as a settings file's would be.
    AppState state = turned;
    ASSERT_TRUE(OpenViewLink("z=5" + ax + "&rad=0x0p+0", state));
    EXPECT_EQ(state.view.rad, 1.0);
    EXPECT_EQ(state.solid.zukei, 5);
}

}  // namespace
}  // namespace gyro
