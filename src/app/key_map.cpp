#include "app/key_map.h"

namespace gyro {

namespace {

KeyInput Table(Key k) { return KeyInput{k, 0}; }
KeyInput Step(int direction) { return KeyInput{std::nullopt, direction}; }

KeyInput MapKeypadKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_1: case Qt::Key_End: return Table(Key::Numpad1);
        case Qt::Key_2: case Qt::Key_Down: return Table(Key::Numpad2);
        case Qt::Key_3: case Qt::Key_PageDown: return Table(Key::Numpad3);
        case Qt::Key_4: case Qt::Key_Left: return Table(Key::Numpad4);
        case Qt::Key_5: case Qt::Key_Clear: return Table(Key::Numpad5);
        case Qt::Key_6: case Qt::Key_Right: return Table(Key::Numpad6);
        case Qt::Key_7: case Qt::Key_Home: return Table(Key::Numpad7);
        case Qt::Key_8: case Qt::Key_Up: return Table(Key::Numpad8);
        case Qt::Key_9: case Qt::Key_PageUp: return Table(Key::Numpad9);
        case Qt::Key_Plus: return Table(Key::Add);
        case Qt::Key_Minus: return Table(Key::Subtract);
        case Qt::Key_Asterisk: return Table(Key::Multiply);
        case Qt::Key_Slash: return Table(Key::Divide);
        case Qt::Key_Enter: case Qt::Key_Return: return Table(Key::Return);
        default: return {};  // 0, the decimal point and the rest
    }
}

}  // namespace

KeyInput MapQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    if (modifiers & Qt::KeypadModifier) return MapKeypadKey(qtKey);
    switch (qtKey) {
        case Qt::Key_Right: return Table(Key::Right);
        case Qt::Key_Left: return Table(Key::Left);
        case Qt::Key_Up: return Table(Key::Up);
        case Qt::Key_Down: return Table(Key::Down);
        case Qt::Key_Home: return Table(Key::Home);
        case Qt::Key_End: return Table(Key::End);
        case Qt::Key_Insert: return Table(Key::Insert);
        case Qt::Key_Delete: return Table(Key::Delete);
        case Qt::Key_Space: return Table(Key::Space);
        case Qt::Key_Return: case Qt::Key_Enter: return Table(Key::Return);
        case Qt::Key_Z: return Table(Key::Z);
        case Qt::Key_X: return Table(Key::X);
        case Qt::Key_C: return Table(Key::C);
        case Qt::Key_V: return Table(Key::V);
        case Qt::Key_B: return Table(Key::B);
        case Qt::Key_A: return Table(Key::A);
        case Qt::Key_S: return Table(Key::S);
        case Qt::Key_D: return Table(Key::D);
        case Qt::Key_F: return Table(Key::F);
        case Qt::Key_G: return Table(Key::G);
        case Qt::Key_H: return Table(Key::H);
        case Qt::Key_J: return Table(Key::J);
        case Qt::Key_K: return Table(Key::K);
        case Qt::Key_E: return Table(Key::E);
        case Qt::Key_R: return Table(Key::R);
        case Qt::Key_T: return Table(Key::T);
        case Qt::Key_Y: return Table(Key::Y);
        case Qt::Key_U: return Table(Key::U);
        case Qt::Key_I: return Table(Key::I);
        case Qt::Key_O: return Table(Key::O);
        case Qt::Key_P: return Table(Key::P);
        case Qt::Key_Q: case Qt::Key_PageUp: return Step(-1);
        case Qt::Key_W: case Qt::Key_PageDown: return Step(+1);
        default: return {};
    }
}

KeyInput MapQtKeyRelease(int qtKey, Qt::KeyboardModifiers modifiers) {
    // R held, Ctrl pressed, R let go: the release carries Ctrl, and ignoring
    // it would leave R held for ever.
    return MapQtKey(qtKey, modifiers & ~(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace gyro
