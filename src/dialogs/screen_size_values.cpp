#include "dialogs/screen_size_values.h"

#include <algorithm>

namespace gyro {

namespace {
int32_t ReadSide(const EditField& field) {
    return static_cast<int32_t>(std::clamp<int64_t>(ReadInt(field), 1, kMaxDialogViewSide));
}
}  // namespace

ScreenSizeForm FillScreenSizeForm(ViewSize current) {
    return {MakeField(FormatInt(current.width), kScreenSizeFieldLimit),
            MakeField(FormatInt(current.height), kScreenSizeFieldLimit)};
}

void ResetScreenSizeForm(ScreenSizeForm& form) {
    Rewrite(form.viewwidth, FormatInt(kDefaultViewSide));
    Rewrite(form.viewheight, FormatInt(kDefaultViewSide));
}

ViewSize ReadScreenSizeForm(const ScreenSizeForm& form) { return {ReadSide(form.viewwidth), ReadSide(form.viewheight)}; }

}  // namespace gyro
