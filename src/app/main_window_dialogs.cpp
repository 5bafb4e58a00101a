// The parameter dialogs of the view, the light and the window, opened from
// their menu items. The frame loop stands still while one is open.

#include <optional>

#include "catalog/command_ids.h"
#include "app/main_window.h"
#include "dialogs/auto_rotation_dialog.h"
#include "dialogs/axis_dialog.h"
#include "dialogs/light_dialog.h"
#include "dialogs/perspective_dialog.h"
#include "dialogs/screen_size_dialog.h"
#include "dialogs/size_direction_dialog.h"

namespace gyro {

bool MainWindow::openViewDialog(int id) {
    std::optional<ViewSize> size;
    {
        LoopPause pause(*this);
        switch (id) {
            case cmd::kLightDialog: EditLight(this, state_); break;
            case cmd::kArbitraryAxis: EditArbitraryAxis(this, state_.view); break;
            case cmd::kScreenSize: size = EditScreenSize(this, {shell_.viewwidth, shell_.viewheight}); break;
            case cmd::kPerspectiveDialog: EditPerspective(this, state_.display); break;
            case cmd::kAutoRotation: EditAutoRotation(this, state_.view); break;
            case cmd::kSizeAndDirection: EditSizeAndDirection(this, state_.view); break;
            default: return false;
        }
    }
    if (size) resizeWindowToView(size->width, size->height);
    return true;
}

}  // namespace gyro
