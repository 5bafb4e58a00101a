#pragma once

// The window shell's own state: speed, inertia, the held-key table, frame
// counters and the colour chooser's custom colours. No Qt in here, so the
// per-frame logic that reads it can be tested without a window.

#include <array>
#include <cstdint>

#include "shell/language.h"
#include "model/solid.h"

namespace gyro {

// Every key the frame loop looks at. Keys outside this table are ignored.
enum class Key : uint8_t {
    Numpad1, Numpad2, Numpad3, Numpad4, Numpad5, Numpad6, Numpad7, Numpad8, Numpad9,
    Add, Subtract, Divide, Multiply,
    Right, Left, Up, Down, Home, End, Insert, Delete, Space, Return,
    Z, X, C, V, B, A, S, D, F, G, H, J, K, E, R, T, Y, U, I, O, P,
    Count
};

inline constexpr int kKeyCount = static_cast<int>(Key::Count);

// Held-key flags: set on key-down (auto-repeat sets again), cleared on key-up
// and, for one-shot keys, when the loop acts on them. A key pressed and
// released between two passes still counts as held for the next pass, so a
// quick tap is never lost.
struct KeyState {
    std::array<uint8_t, kKeyCount> flags{};
    std::array<uint8_t, kKeyCount> unseen{};       // pressed since the last pass
    std::array<uint8_t, kKeyCount> releaseLater{};  // released before any pass saw it

    bool held(Key k) const { return flags[Index(k)] != 0; }
    void press(Key k) {
        flags[Index(k)] = 1;
        unseen[Index(k)] = 1;
        releaseLater[Index(k)] = 0;
    }
    void release(Key k) {
        if (unseen[Index(k)]) {
            releaseLater[Index(k)] = 1;
        } else {
            flags[Index(k)] = 0;
        }
    }
    // The loop has acted on a one-shot key.
    void consume(Key k) {
        flags[Index(k)] = 0;
        releaseLater[Index(k)] = 0;
    }
    // After every pass: the keys released during it are up now.
    void endPass() {
        for (size_t i = 0; i < flags.size(); ++i) {
            if (releaseLater[i]) flags[i] = 0;
        }
        unseen.fill(0);
        releaseLater.fill(0);
    }
    void releaseAll() {
        flags.fill(0);
        unseen.fill(0);
        releaseLater.fill(0);
    }

private:
    static size_t Index(Key k) { return static_cast<size_t>(k); }
};

inline constexpr int kStatusBandHeight = 32;
inline constexpr int kCustomColourCount = 16;

struct ShellState {
    UiLanguage language = UiLanguage::Japanese;  // a Qt preference, never in a settings file
    int32_t viewwidth = 256;   // drawing area: the client area minus the status band
    int32_t viewheight = 256;
    double speed = 5.0;        // degrees per frame; 0.1 .. 10.0
    int8_t inertiaon = 0;
    int8_t inertiadir = 0;     // 0 none, 1..8 the last screen rotation that ran
    int8_t mouseon = 1;
    int32_t fpson = 0;
    int32_t fps = 0;
    int32_t framecount = 0;
    int16_t lastmousex = 0;
    int16_t lastmousey = 0;
    std::array<Colour, kCustomColourCount> customcolours = {
        0x0000C0FF, 0x00C0FF00, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF,
        0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF,
        0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF,
    };
    KeyState keys;
};

}  // namespace gyro
