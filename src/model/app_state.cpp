#include "model/app_state.h"

#include "model/solid_ops.h"

namespace gyro {

void InitAppState(AppState& state) {
    state.view = ViewState{};
    state.display = DisplaySettings{};
    InitSolid(state.solid);
}

}  // namespace gyro
