#pragma once

#include "model/solid.h"
#include "render/display_settings.h"
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

}  // namespace gyro
