#include "shell/browser_keys.h"

#include <array>
#include <utility>

namespace gyro {

namespace {

struct Named {
    std::string_view code;
    Key key;
};

constexpr std::array<Named, 45> kTable = {{
    {"Numpad1", Key::Numpad1}, {"Numpad2", Key::Numpad2}, {"Numpad3", Key::Numpad3},
    {"Numpad4", Key::Numpad4}, {"Numpad5", Key::Numpad5}, {"Numpad6", Key::Numpad6},
    {"Numpad7", Key::Numpad7}, {"Numpad8", Key::Numpad8}, {"Numpad9", Key::Numpad9},
    {"NumpadAdd", Key::Add},   {"NumpadSubtract", Key::Subtract},
    {"NumpadMultiply", Key::Multiply}, {"NumpadDivide", Key::Divide},
    {"NumpadEnter", Key::Return}, {"Enter", Key::Return},
    {"ArrowRight", Key::Right}, {"ArrowLeft", Key::Left}, {"ArrowUp", Key::Up}, {"ArrowDown", Key::Down},
    {"Home", Key::Home}, {"End", Key::End}, {"Insert", Key::Insert}, {"Delete", Key::Delete},
    {"Space", Key::Space},
    {"KeyZ", Key::Z}, {"KeyX", Key::X}, {"KeyC", Key::C}, {"KeyV", Key::V}, {"KeyB", Key::B},
    {"KeyA", Key::A}, {"KeyS", Key::S}, {"KeyD", Key::D}, {"KeyF", Key::F}, {"KeyG", Key::G},
    {"KeyH", Key::H}, {"KeyJ", Key::J}, {"KeyK", Key::K}, {"KeyE", Key::E}, {"KeyR", Key::R},
    {"KeyT", Key::T}, {"KeyY", Key::Y}, {"KeyU", Key::U}, {"KeyI", Key::I}, {"KeyO", Key::O},
    {"KeyP", Key::P},
}};

}  // namespace

KeyInput MapBrowserKey(std::string_view code, bool withCommandModifier) {
    if (withCommandModifier) return {};
    if (code == "KeyQ" || code == "PageUp") return KeyInput{std::nullopt, -1};
    if (code == "KeyW" || code == "PageDown") return KeyInput{std::nullopt, +1};
    for (const Named& entry : kTable) {
        if (entry.code == code) return KeyInput{entry.key, 0};
    }
    return {};
}

}  // namespace gyro
