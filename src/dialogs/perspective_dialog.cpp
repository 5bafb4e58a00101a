#include "dialogs/perspective_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/perspective_values.h"
#include "dialogs/run_dialog.h"

namespace gyro {

namespace {

class PerspectiveDialog : public QDialog {
public:
    PerspectiveDialog(const PerspectiveForm& form, QWidget* parent) : QDialog(parent), form_(form) {
        setWindowTitle(QCoreApplication::translate("PerspectiveDialog", "遠近＆立体視の設定"));
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout;
        AddFieldRow(grid, 0, QCoreApplication::translate("PerspectiveDialog", "距離Ｚ"),
                    fields_.add(form_.persdz, QStringLiteral("persdz"), kEyeDistanceRange));
        AddFieldRow(grid, 1, QCoreApplication::translate("PerspectiveDialog", "Ｘ方向ズレ"),
                    fields_.add(form_.perssx, QStringLiteral("perssx"), kPixelShiftRange));
        AddFieldRow(grid, 2, QCoreApplication::translate("PerspectiveDialog", "Ｙ方向ズレ"),
                    fields_.add(form_.perssy, QStringLiteral("perssy"), kPixelShiftRange));
        layout->addLayout(grid);

        auto* stereo = new QGroupBox(QCoreApplication::translate("PerspectiveDialog", "立体視用"));
        auto* stereoGrid = new QGridLayout(stereo);
        AddFieldRow(stereoGrid, 0, QCoreApplication::translate("PerspectiveDialog", "立体度"),
                    fields_.add(form_.stereodip, QStringLiteral("stereodip"), kPixelShiftRange));
        AddFieldRow(stereoGrid, 1, QCoreApplication::translate("PerspectiveDialog", "表示間隔"),
                    fields_.add(form_.stereodist, QStringLiteral("stereodist"), kPixelShiftRange));
        layout->addWidget(stereo);

        QDialogButtonBox* buttons = AddOkCancel(*this);
        QPushButton* reset = buttons->addButton(QCoreApplication::translate("PerspectiveDialog", "デフォルト値"),
                                                QDialogButtonBox::ResetRole);
        reset->setObjectName(QStringLiteral("defaults"));
        reset->setAutoDefault(false);
        connect(reset, &QPushButton::clicked, this, [this] {
            fields_.read();
            ResetPerspectiveForm(form_);
            fields_.show();
        });
        message_ = AddFieldMessage(layout);
        layout->addWidget(buttons);
    }

    PerspectiveForm form() {
        fields_.read();
        return form_;
    }

    // OK with a field outside its rule keeps the dialog open on that field.
    void accept() override {
        if (fields_.acceptable(message_)) QDialog::accept();
    }

private:
    QLabel* message_ = nullptr;
    PerspectiveForm form_;
    FieldBinder fields_;
};

}  // namespace

bool EditPerspective(QWidget* parent, DisplaySettings& display) {
    PerspectiveDialog dialog(FillPerspectiveForm(display), parent);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    StorePerspectiveForm(dialog.form(), display);
    return true;
}

}  // namespace gyro
