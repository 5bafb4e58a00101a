#include <gtest/gtest.h>

#include "app/key_map.h"

namespace gyro {
namespace {

std::optional<Key> TableKey(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    return MapQtKey(qtKey, mods).key;
}

TEST(MapQtKey, KeypadWorksWithNumLockOnAndOff) {
    const Qt::KeyboardModifiers kp = Qt::KeypadModifier;
    const struct {
        int numLockOn, numLockOff;
        Key key;
    } pad[] = {
        {Qt::Key_1, Qt::Key_End, Key::Numpad1},     {Qt::Key_2, Qt::Key_Down, Key::Numpad2},
        {Qt::Key_3, Qt::Key_PageDown, Key::Numpad3}, {Qt::Key_4, Qt::Key_Left, Key::Numpad4},
        {Qt::Key_5, Qt::Key_Clear, Key::Numpad5},    {Qt::Key_6, Qt::Key_Right, Key::Numpad6},
        {Qt::Key_7, Qt::Key_Home, Key::Numpad7},     {Qt::Key_8, Qt::Key_Up, Key::Numpad8},
        {Qt::Key_9, Qt::Key_PageUp, Key::Numpad9},
    };
    for (const auto& k : pad) {
        EXPECT_EQ(TableKey(k.numLockOn, kp), k.key);
        EXPECT_EQ(TableKey(k.numLockOff, kp), k.key);
        EXPECT_EQ(MapQtKey(k.numLockOff, kp).figureStep, 0);  // keypad 9 and 3 never step figures
    }
    EXPECT_EQ(TableKey(Qt::Key_Plus, kp), Key::Add);
    EXPECT_EQ(TableKey(Qt::Key_Minus, kp), Key::Subtract);
    EXPECT_EQ(TableKey(Qt::Key_Asterisk, kp), Key::Multiply);
    EXPECT_EQ(TableKey(Qt::Key_Slash, kp), Key::Divide);
    EXPECT_EQ(TableKey(Qt::Key_Enter, kp), Key::Return);
    EXPECT_FALSE(TableKey(Qt::Key_0, kp));
    EXPECT_FALSE(TableKey(Qt::Key_Insert, kp));  // keypad 0 without NumLock
}

TEST(MapQtKey, MainKeyboard) {
    EXPECT_EQ(TableKey(Qt::Key_Up), Key::Up);
    EXPECT_EQ(TableKey(Qt::Key_Home), Key::Home);
    EXPECT_EQ(TableKey(Qt::Key_Insert), Key::Insert);
    EXPECT_EQ(TableKey(Qt::Key_Space), Key::Space);
    EXPECT_EQ(TableKey(Qt::Key_Return), Key::Return);
    EXPECT_EQ(TableKey(Qt::Key_P), Key::P);
    EXPECT_EQ(TableKey(Qt::Key_Z, Qt::ShiftModifier), Key::Z);
    // The main keyboard's + - * / and digits are not the keypad's.
    EXPECT_FALSE(TableKey(Qt::Key_Plus));
    EXPECT_FALSE(TableKey(Qt::Key_Slash));
    EXPECT_FALSE(TableKey(Qt::Key_8));
    EXPECT_FALSE(TableKey(Qt::Key_L));
    EXPECT_FALSE(TableKey(Qt::Key_F1));
}

TEST(MapQtKey, FigureStepsAndShortcuts) {
    EXPECT_EQ(MapQtKey(Qt::Key_Q, Qt::NoModifier).figureStep, -1);
    EXPECT_EQ(MapQtKey(Qt::Key_PageUp, Qt::NoModifier).figureStep, -1);
    EXPECT_EQ(MapQtKey(Qt::Key_W, Qt::NoModifier).figureStep, +1);
    EXPECT_EQ(MapQtKey(Qt::Key_PageDown, Qt::NoModifier).figureStep, +1);
    EXPECT_FALSE(MapQtKey(Qt::Key_Q, Qt::NoModifier).key);
    // Ctrl+C copies the picture; it must not also step the colour pattern.
    const KeyInput copy = MapQtKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(copy.key);
    EXPECT_EQ(copy.figureStep, 0);
    EXPECT_FALSE(TableKey(Qt::Key_Slash, Qt::AltModifier | Qt::KeypadModifier));
}

}  // namespace
}  // namespace gyro
