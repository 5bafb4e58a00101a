#include "dialogs/auto_rotation_dialog.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "dialogs/auto_rotation_values.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/run_dialog.h"

namespace gyro {

namespace {

class AutoRotationDialog : public QDialog {
public:
    AutoRotationDialog(const AutoRotationForm& form, QWidget* parent) : QDialog(parent), form_(form) {
        setWindowTitle(QCoreApplication::translate("AutoRotationDialog", "自動回転"));
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout;
        AddFieldRow(grid, 0, QCoreApplication::translate("AutoRotationDialog", "横速度"),
                    fields_.add(form_.autorotarg1v, QStringLiteral("autorotarg1v"), kTenthsRange));
        AddFieldRow(grid, 1, QCoreApplication::translate("AutoRotationDialog", "縦速度"),
                    fields_.add(form_.autorotarg2v, QStringLiteral("autorotarg2v"), kTenthsRange));
        on_ = MakeCheck(QStringLiteral("ON"), QStringLiteral("autoroton"), form_.autoroton);
        grid->addWidget(on_, 2, 0, 1, 2);
        layout->addLayout(grid);
        message_ = AddFieldMessage(layout);
        layout->addWidget(AddOkCancel(*this));
    }

    AutoRotationForm form() {
        fields_.read();
        form_.autoroton = on_->isChecked();
        return form_;
    }

    // OK with a field outside its rule keeps the dialog open on that field.
    void accept() override {
        if (fields_.acceptable(message_)) QDialog::accept();
    }

private:
    QLabel* message_ = nullptr;
    AutoRotationForm form_;
    FieldBinder fields_;
    QCheckBox* on_ = nullptr;
};

}  // namespace

bool EditAutoRotation(QWidget* parent, ViewState& view) {
    AutoRotationDialog dialog(FillAutoRotationForm(view), parent);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    StoreAutoRotationForm(dialog.form(), view);
    return true;
}

}  // namespace gyro
