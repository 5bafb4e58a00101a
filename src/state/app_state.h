#pragma once

#include "model/display_settings.h"
#include "model/solid.h"
#include "render/render_frame.h"
#include "view/view_state.h"

namespace gyro {

// All lasting state of the viewer apart from the window shell.
struct AppState {
    Solid solid;
    ViewState view;
    DisplaySettings display;
};

// Every start value, with the cube (figure 5) built.
void InitAppState(AppState& state);

// The renderer works on the three records; these hand it the whole state.
inline bool CreateBackBuffer(AppState& state, int32_t width, int32_t height) {
    return CreateBackBuffer(state.solid, state.display, width, height);
}
inline bool RenderFrame(AppState& state) { return RenderFrame(state.solid, state.view, state.display); }
inline bool RenderFrame(AppState& state, Surface& surface) {
    return RenderFrame(state.solid, state.view, state.display, surface);
}

}  // namespace gyro
