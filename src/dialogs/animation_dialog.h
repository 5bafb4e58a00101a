#pragma once

#include <QDialog>

#include "dialogs/animation_values.h"
#include "dialogs/dialog_widgets.h"
#include "io/animation_file.h"

class QComboBox;
class QLabel;
class QWidget;

namespace gyro {

// The dialog itself; EditAnimation runs it.
class AnimationDialog : public QDialog {
    Q_OBJECT

public:
    AnimationDialog(const AnimationRequest& request, QWidget* parent);
    // The fields as they stand, each brought into its range.
    AnimationRequest request();
    void accept() override;

private:
    QLabel* message_ = nullptr;
    AnimationForm form_;
    FieldBinder fields_;
    QComboBox* format_ = nullptr;
    QComboBox* axis_ = nullptr;
};

// "アニメーションを保存": format, frame count, turn axis or the current motion,
// frame delay and picture size. True, with `request` edited, on OK.
bool EditAnimation(QWidget* parent, AnimationRequest& request);

}  // namespace gyro
