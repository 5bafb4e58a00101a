#include "dialogs/size_direction_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/run_dialog.h"
#include "dialogs/size_direction_values.h"

namespace gyro {

namespace {

class SizeDirectionDialog : public QDialog {
public:
    SizeDirectionDialog(const SizeDirectionForm& form, QWidget* parent) : QDialog(parent), form_(form) {
        setWindowTitle(QCoreApplication::translate("SizeDirectionDialog", "図形サイズ＆方向"));
        auto* layout = new QVBoxLayout(this);
        auto* size = new QGridLayout;
        AddFieldRow(size, 0, QCoreApplication::translate("SizeDirectionDialog", "サイズ"),
                    fields_.add(form_.rad, QStringLiteral("rad"), kZoomRange),
                    QCoreApplication::translate("SizeDirectionDialog", "（デフォルト＝1.0）"));
        size->setColumnStretch(3, 1);
        layout->addLayout(size);

        auto* matrix = new QGridLayout;
        static const char* const kRows[] = {QT_TRANSLATE_NOOP("SizeDirectionDialog", "Ｘ方向"),
                                            QT_TRANSLATE_NOOP("SizeDirectionDialog", "Ｙ方向"),
                                            QT_TRANSLATE_NOOP("SizeDirectionDialog", "Ｚ方向")};
        for (int r = 0; r < 3; ++r) {
            matrix->addWidget(new QLabel(QCoreApplication::translate("SizeDirectionDialog", kRows[r])), r, 0);
            for (int k = 0; k < 3; ++k) {
                const QString name = QStringLiteral("ax%1%2").arg(r).arg(k);
                matrix->addWidget(fields_.add(form_.ax[size_t(r)][size_t(k)], name, kCoordinateRange), r, k + 1);
            }
        }
        layout->addLayout(matrix);

        QDialogButtonBox* buttons = AddOkCancel(*this);
        QPushButton* normalise = buttons->addButton(QCoreApplication::translate("SizeDirectionDialog", "規格化"),
                                                    QDialogButtonBox::ResetRole);
        normalise->setObjectName(QStringLiteral("normalise"));
        normalise->setAutoDefault(false);
        connect(normalise, &QPushButton::clicked, this, [this] {
            fields_.read();
            NormaliseSizeDirectionForm(form_);
            fields_.show();
        });
        message_ = AddFieldMessage(layout);
        layout->addWidget(buttons);
    }

    SizeDirectionForm form() {
        fields_.read();
        return form_;
    }

    // OK with a field outside its rule keeps the dialog open on that field.
    void accept() override {
        if (fields_.acceptable(message_)) QDialog::accept();
    }

private:
    QLabel* message_ = nullptr;
    SizeDirectionForm form_;
    FieldBinder fields_;
};

}  // namespace

bool EditSizeAndDirection(QWidget* parent, ViewState& view) {
    SizeDirectionDialog dialog(FillSizeDirectionForm(view), parent);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    StoreSizeDirectionForm(dialog.form(), view);
    return true;
}

}  // namespace gyro
