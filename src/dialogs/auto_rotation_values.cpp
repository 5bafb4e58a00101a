#include "dialogs/auto_rotation_values.h"

#include "model/limits.h"

namespace gyro {

AutoRotationForm FillAutoRotationForm(const ViewState& view) {
    AutoRotationForm f;
    f.autorotarg1v = MakeField(FormatInt(view.autorotarg1v), kAutoRotationFieldLimit);
    f.autorotarg2v = MakeField(FormatInt(view.autorotarg2v), kAutoRotationFieldLimit);
    f.autoroton = view.autoroton != 0;
    return f;
}

void StoreAutoRotationForm(const AutoRotationForm& f, ViewState& view) {
    view.autorotarg1v = WrapInt16(ReadInt(f.autorotarg1v));
    view.autorotarg2v = WrapInt16(ReadInt(f.autorotarg2v));
    view.autoroton = f.autoroton ? 1 : 0;
}

}  // namespace gyro
