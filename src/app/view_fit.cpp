#include "app/view_fit.h"

#include <algorithm>

#include "shell/shell_state.h"
#include "model/limits.h"

namespace gyro {

ClientView ViewForClient(int64_t clientWidth, int64_t clientHeight) {
    const auto side = [](int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, kMinViewSide, kMaxViewSide));
    };
    return {side(clientWidth), side(clientHeight - kStatusBandHeight)};
}

bool ClientSizeSetsView(const DisplaySettings& display, WindowShape shape) {
    switch (shape) {
        case WindowShape::Normal: return true;
        case WindowShape::Maximised: return display.fitwindow != 0;
        case WindowShape::Minimised: return false;
    }
    return false;
}

}  // namespace gyro
