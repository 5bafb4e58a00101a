#include "dialogs/light_dialog.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/light_values.h"
#include "dialogs/run_dialog.h"

namespace gyro {

namespace {

class LightDialog : public QDialog {
public:
    LightDialog(const LightForm& form, QWidget* parent) : QDialog(parent), form_(form) {
        setWindowTitle(QCoreApplication::translate("LightDialog", "光の角度等"));
        auto* layout = new QVBoxLayout(this);
        auto* grid = new QGridLayout;
        const QString tenths = QStringLiteral("/10");
        AddFieldRow(grid, 0, QCoreApplication::translate("LightDialog", "経度"),
                    fields_.add(form_.lightang1, QStringLiteral("lightang1"), kTenthsRange), tenths);
        AddFieldRow(grid, 1, QCoreApplication::translate("LightDialog", "緯度"),
                    fields_.add(form_.lightang2, QStringLiteral("lightang2"), kTenthsRange), tenths);
        AddFieldRow(grid, 2, QCoreApplication::translate("LightDialog", "経速度"),
                    fields_.add(form_.lightang1v, QStringLiteral("lightang1v"), kTenthsRange));
        AddFieldRow(grid, 3, QCoreApplication::translate("LightDialog", "緯速度"),
                    fields_.add(form_.lightang2v, QStringLiteral("lightang2v"), kTenthsRange));
        AddFieldRow(grid, 4, QCoreApplication::translate("LightDialog", "回り込み"),
                    fields_.add(form_.lightdep, QStringLiteral("lightdep"), kLightDepthRange),
                    QCoreApplication::translate("LightDialog", "（-99～）"));
        AddFieldRow(grid, 5, QCoreApplication::translate("LightDialog", "最大明度"),
                    fields_.add(form_.lightmax, QStringLiteral("lightmax"), kBrightnessRange),
                    QCoreApplication::translate("LightDialog", "（最小～100）"));
        AddFieldRow(grid, 6, QCoreApplication::translate("LightDialog", "最小明度"),
                    fields_.add(form_.lightmin, QStringLiteral("lightmin"), kBrightnessRange),
                    QCoreApplication::translate("LightDialog", "（0～最大）"));
        layout->addLayout(grid);

        auto* flags = new QHBoxLayout;
        square_ = MakeCheck(QCoreApplication::translate("LightDialog", "明度二乗"), QStringLiteral("lightsquare"),
                            form_.lightsquare);
        mirror_ = MakeCheck(QCoreApplication::translate("LightDialog", "鏡面式"), QStringLiteral("lightmirror"),
                            form_.lightmirror);
        move_ = MakeCheck(QCoreApplication::translate("LightDialog", "光源移動"), QStringLiteral("lightmove"),
                          form_.lightmove);
        for (QCheckBox* box : {square_, mirror_, move_}) flags->addWidget(box);
        layout->addLayout(flags);
        layout->addWidget(
            new QLabel(QCoreApplication::translate("LightDialog", "緯度・経度はＡ・Ｓ・Ｄ・Ｆでも変更可能")));
        message_ = AddFieldMessage(layout);
        layout->addWidget(AddOkCancel(*this));
    }

    LightForm form() {
        fields_.read();
        LightForm f = form_;
        f.lightsquare = square_->isChecked();
        f.lightmirror = mirror_->isChecked();
        f.lightmove = move_->isChecked();
        return f;
    }

    // OK with a field outside its rule keeps the dialog open on that field.
    void accept() override {
        if (fields_.acceptable(message_)) QDialog::accept();
    }

private:
    QLabel* message_ = nullptr;
    LightForm form_;
    FieldBinder fields_;
    QCheckBox* square_ = nullptr;
    QCheckBox* mirror_ = nullptr;
    QCheckBox* move_ = nullptr;
};

}  // namespace

bool EditLight(QWidget* parent, AppState& state) {
    LightDialog dialog(FillLightForm(state.display), parent);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    StoreLightForm(dialog.form(), state);
    return true;
}

}  // namespace gyro
