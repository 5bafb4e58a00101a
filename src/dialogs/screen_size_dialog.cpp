#include "dialogs/screen_size_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/run_dialog.h"

namespace gyro {

namespace {

class ScreenSizeDialog : public QDialog {
public:
    ScreenSizeDialog(ViewSize current, QWidget* parent) : QDialog(parent), form_(FillScreenSizeForm(current)) {
        setWindowTitle(QCoreApplication::translate("ScreenSizeDialog", "画面サイズ"));
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout;
        AddFieldRow(grid, 0, QCoreApplication::translate("ScreenSizeDialog", "ｘ"),
                    fields_.add(form_.viewwidth, QStringLiteral("viewwidth"), kScreenSideRange));
        AddFieldRow(grid, 1, QCoreApplication::translate("ScreenSizeDialog", "ｙ"),
                    fields_.add(form_.viewheight, QStringLiteral("viewheight"), kScreenSideRange));
        layout->addLayout(grid);
        QDialogButtonBox* buttons = AddOkCancel(*this);
        QPushButton* reset =
            buttons->addButton(QCoreApplication::translate("ScreenSizeDialog", "初期値"), QDialogButtonBox::ResetRole);
        reset->setObjectName(QStringLiteral("defaults"));
        reset->setAutoDefault(false);
        connect(reset, &QPushButton::clicked, this, [this] {
            fields_.read();
            ResetScreenSizeForm(form_);
            fields_.show();
        });
        message_ = AddFieldMessage(layout);
        layout->addWidget(buttons);
    }

    ScreenSizeForm form() {
        fields_.read();
        return form_;
    }

    // OK with a field outside its rule keeps the dialog open on that field.
    void accept() override {
        if (fields_.acceptable(message_)) QDialog::accept();
    }

private:
    QLabel* message_ = nullptr;
    ScreenSizeForm form_;
    FieldBinder fields_;
};

}  // namespace

std::optional<ViewSize> EditScreenSize(QWidget* parent, ViewSize current) {
    ScreenSizeDialog dialog(current, parent);
    if (RunDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return ReadScreenSizeForm(dialog.form());
}

}  // namespace gyro
