#include "state/app_state.h"

#include "state/dispatcher.h"

namespace gyro {

void InitAppState(AppState& state) {
    state.view = ViewState{};
    state.display = DisplaySettings{};
    InitSolid(state.solid);
}

}  // namespace gyro
