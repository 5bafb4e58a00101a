#include "dialogs/axis_dialog.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/axis_values.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/run_dialog.h"

namespace gyro {

namespace {

class AxisDialog : public QDialog {
public:
    AxisDialog(const ViewState& view, QWidget* parent) : QDialog(parent), view_(view), form_(FillAxisForm(view)) {
        setWindowTitle(QCoreApplication::translate("AxisDialog", "任意回転軸"));
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout;
        AddFieldRow(grid, 0, QStringLiteral("x(y-z)"), fields_.add(form_.nax[0], QStringLiteral("nax0"), kCoordinateRange));
        AddFieldRow(grid, 1, QStringLiteral("y(z-x)"), fields_.add(form_.nax[1], QStringLiteral("nax1"), kCoordinateRange));
        AddFieldRow(grid, 2, QStringLiteral("z(x-y)"), fields_.add(form_.nax[2], QStringLiteral("nax2"), kCoordinateRange));
        angleGiven_ =
            MakeCheck(QCoreApplication::translate("AxisDialog", "角度指定"), QStringLiteral("njim"), form_.njim);
        angle_ = fields_.add(form_.nang, QStringLiteral("nang"), kCoordinateRange);
        angle_->setEnabled(form_.njim);
        grid->addWidget(angleGiven_, 3, 0);
        grid->addWidget(angle_, 3, 1);
        connect(angleGiven_, &QCheckBox::toggled, angle_, &QLineEdit::setEnabled);
        layout->addLayout(grid);

        auto* presets = new QGroupBox(QCoreApplication::translate("AxisDialog", "リセット"));
        auto* buttons = new QGridLayout(presets);
        struct Preset {
            const char* label;
            const char* name;
            AxisPreset preset;
        };
        static constexpr Preset kPresets[] = {
            {QT_TRANSLATE_NOOP("AxisDialog", "立体X軸"), "solidX", AxisPreset::SolidX},
            {QT_TRANSLATE_NOOP("AxisDialog", "立体Y軸"), "solidY", AxisPreset::SolidY},
            {QT_TRANSLATE_NOOP("AxisDialog", "立体Z軸"), "solidZ", AxisPreset::SolidZ},
            {QT_TRANSLATE_NOOP("AxisDialog", "画面X軸"), "screenX", AxisPreset::ScreenX},
            {QT_TRANSLATE_NOOP("AxisDialog", "画面Y軸"), "screenY", AxisPreset::ScreenY},
            {QT_TRANSLATE_NOOP("AxisDialog", "画面Z軸"), "screenZ", AxisPreset::ScreenZ},
        };
        for (int i = 0; i < 6; ++i) {
            const Preset& p = kPresets[i];
            auto* button = new QPushButton(QCoreApplication::translate("AxisDialog", p.label));
            button->setObjectName(QString::fromLatin1(p.name));
            button->setAutoDefault(false);  // Return in a field still means OK
            buttons->addWidget(button, i / 3, i % 3);
            connect(button, &QPushButton::clicked, this, [this, preset = p.preset] {
                fields_.read();
                ApplyAxisPreset(form_, preset, view_);
                fields_.show();
            });
        }
        layout->addWidget(presets);
        message_ = AddFieldMessage(layout);
        layout->addWidget(AddOkCancel(*this));
    }

    AxisForm form() {
        fields_.read();
        form_.njim = angleGiven_->isChecked();
        return form_;
    }

    // OK with a field outside its rule keeps the dialog open on that field.
    void accept() override {
        if (fields_.acceptable(message_)) QDialog::accept();
    }

private:
    QLabel* message_ = nullptr;
    const ViewState& view_;
    AxisForm form_;
    FieldBinder fields_;
    QCheckBox* angleGiven_ = nullptr;
    QLineEdit* angle_ = nullptr;
};

}  // namespace

bool EditArbitraryAxis(QWidget* parent, ViewState& view) {
    AxisDialog dialog(view, parent);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    StoreAxisForm(dialog.form(), view);
    return true;
}

}  // namespace gyro
