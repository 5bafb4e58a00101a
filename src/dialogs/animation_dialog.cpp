#include "dialogs/animation_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/run_dialog.h"

namespace gyro {

AnimationDialog::AnimationDialog(const AnimationRequest& request, QWidget* parent)
    : QDialog(parent), form_(FillAnimationForm(request)) {
    setWindowTitle(tr("アニメーションを保存"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    format_ = new QComboBox;
    format_->setObjectName(QStringLiteral("format"));
    format_->addItems({tr("GIF アニメーション (*.gif)"), tr("WebP アニメーション (*.webp)")});
    format_->setCurrentIndex(form_.format);
    axis_ = new QComboBox;
    axis_->setObjectName(QStringLiteral("axis"));
    axis_->addItems({tr("横軸（ｘ）で一回転"), tr("縦軸（ｙ）で一回転"), tr("奥行き軸（ｚ）で一回転"),
                     tr("現在の動き")});
    axis_->setCurrentIndex(form_.axis);
    grid->addWidget(new QLabel(tr("形式")), 0, 0);
    grid->addWidget(format_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("動き")), 1, 0);
    grid->addWidget(axis_, 1, 1, 1, 2);
    AddFieldRow(grid, 2, tr("コマ数"), fields_.add(form_.frames, QStringLiteral("frames"), kAnimationFramesRange),
                tr("（%1～%2）").arg(kAnimationFramesMin).arg(kAnimationFramesMax));
    AddFieldRow(grid, 3, tr("コマの間隔"), fields_.add(form_.delay, QStringLiteral("delay"), kAnimationDelayRange),
                tr("ミリ秒"));
    AddFieldRow(grid, 4, tr("幅"), fields_.add(form_.width, QStringLiteral("width"), kScreenSideRange),
                tr("ピクセル"));
    AddFieldRow(grid, 5, tr("高さ"), fields_.add(form_.height, QStringLiteral("height"), kScreenSideRange),
                tr("ピクセル"));
    layout->addLayout(grid);
    message_ = AddFieldMessage(layout);
    layout->addWidget(AddOkCancel(*this));
}

void AnimationDialog::accept() {
    // A field outside its range keeps the dialog open on that field.
    if (fields_.acceptable(message_)) QDialog::accept();
}

AnimationRequest AnimationDialog::request() {
    fields_.read();
    form_.format = format_->currentIndex();
    form_.axis = axis_->currentIndex();
    return ReadAnimationForm(form_);
}

bool EditAnimation(QWidget* parent, AnimationRequest& request) {
    AnimationDialog dialog(request, parent);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    request = dialog.request();
    return true;
}

}  // namespace gyro
