#include "dialogs/axis_values.h"

#include <algorithm>

#include "model/limits.h"

namespace gyro {

namespace {
// The angle field shows at most 10000 degrees; what lies beyond is no different turn.
constexpr double kShownAngleCap = 10000.0;

void WriteAxis(AxisForm& form, const std::array<double, 3>& axis) {
    for (size_t k = 0; k < 3; ++k) Rewrite(form.nax[k], FormatFixed(axis[k]));
}
}  // namespace

AxisForm FillAxisForm(const ViewState& view) {
    AxisForm f;
    for (size_t k = 0; k < 3; ++k) f.nax[k] = MakeField(FormatFixed(view.nax[k]), kAxisFieldLimit);
    f.njim = view.njim != 0;
    f.nang = MakeField(FormatFixed(view.nang < kShownAngleCap ? view.nang : kShownAngleCap), kAxisFieldLimit);
    return f;
}

void ApplyAxisPreset(AxisForm& form, AxisPreset preset, const ViewState& view) {
    switch (preset) {
        case AxisPreset::SolidX: WriteAxis(form, view.ax[0]); break;
        case AxisPreset::SolidY: WriteAxis(form, view.ax[1]); break;
        case AxisPreset::SolidZ: WriteAxis(form, view.ax[2]); break;
        case AxisPreset::ScreenX: WriteAxis(form, {1, 0, 0}); break;
        case AxisPreset::ScreenY: WriteAxis(form, {0, 1, 0}); break;
        case AxisPreset::ScreenZ: WriteAxis(form, {0, 0, 1}); break;
    }
}

void StoreAxisForm(const AxisForm& f, ViewState& view) {
    // Kept within what a settings file saves and loads back unchanged.
    auto savable = [](double v) { return std::clamp(v, -kMaxSavedMagnitude, kMaxSavedMagnitude); };
    for (size_t k = 0; k < 3; ++k) view.nax[k] = savable(ReadDouble(f.nax[k]));
    view.njim = f.njim ? 1 : 0;
    if (f.njim) view.nang = savable(ReadDouble(f.nang));
}

}  // namespace gyro
