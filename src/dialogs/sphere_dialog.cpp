#include "dialogs/sphere_dialog.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/run_dialog.h"
#include "dialogs/ui_text.h"
#include "dialogs/sphere_values.h"
#include "model/limits.h"

namespace gyro {

namespace {

class SphereDialog : public QDialog {
public:
    SphereDialog(const BuildParams& params, ShapeId zukei, QWidget* parent)
        : QDialog(parent), form_(FillSphereForm(params, zukei)) {
        setWindowTitle(QCoreApplication::translate("SphereDialog", "球状"));
        auto* layout = new QVBoxLayout(this);

        // The two counts with their steps, and their product against the limit.
        auto* counts = new QGridLayout;
        nEdit_ = addCountRow(counts, 0, QCoreApplication::translate("SphereDialog", "経方向の角数"), form_.sphn, "sphn",
                             form_.sphpn, "sphpn");
        mEdit_ = addCountRow(counts, 1, QCoreApplication::translate("SphereDialog", "緯方向の角数"), form_.sphm, "sphm",
                             form_.sphpm, "sphpm");
        cells_ = new QLabel;
        cells_->setObjectName(QStringLiteral("cells"));
        auto* limit = new QLabel(QString::number(kMaxSphereCells));
        limit->setObjectName(QStringLiteral("maxCells"));
        counts->addWidget(new QLabel(QCoreApplication::translate("SphereDialog", "現在の緯×経：")), 2, 0);
        counts->addWidget(cells_, 2, 1);
        counts->addWidget(new QLabel(QCoreApplication::translate("SphereDialog", "最大の緯×経：")), 3, 0);
        counts->addWidget(limit, 3, 1);
        layout->addLayout(counts);

        // Radii and turn on the left, shifts and exponents on the right.
        auto* left = new QGridLayout;
        auto* right = new QGridLayout;
        AddFieldRow(left, 0, QCoreApplication::translate("SphereDialog", "ｘ方向径"),
                    fields_.add(form_.sphwx, QStringLiteral("sphwx"), kSphereLengthRange));
        QLineEdit* wy = fields_.add(form_.sphwy, QStringLiteral("sphwy"), kSphereLengthRange);
        AddFieldRow(left, 1, QCoreApplication::translate("SphereDialog", "ｙ方向径"), wy);
        QLineEdit* wz = fields_.add(form_.sphwz, QStringLiteral("sphwz"), kSphereLengthRange);
        AddFieldRow(left, 2, QCoreApplication::translate("SphereDialog", "ｚ方向径"), wz);
        AddFieldRow(left, 3, QCoreApplication::translate("SphereDialog", "赤道面角度"),
                    fields_.add(form_.spharg, QStringLiteral("spharg"), kSphereAngleRange));
        AddFieldRow(left, 4, QCoreApplication::translate("SphereDialog", "トーラスｘ径"),
                    fields_.add(form_.sphtwx, QStringLiteral("sphtwx"), kSphereLengthRange));
        AddFieldRow(left, 5, QCoreApplication::translate("SphereDialog", "トーラスｙ径"),
                    fields_.add(form_.sphtwz, QStringLiteral("sphtwz"), kSphereLengthRange));
        AddFieldRow(right, 0, QCoreApplication::translate("SphereDialog", "上下ずれｘ"),
                    fields_.add(form_.sphsx, QStringLiteral("sphsx"), kSphereLengthRange));
        AddFieldRow(right, 1, QCoreApplication::translate("SphereDialog", "上下ずれｚ"),
                    fields_.add(form_.sphsz, QStringLiteral("sphsz"), kSphereLengthRange));
        AddFieldRow(right, 2, QCoreApplication::translate("SphereDialog", "赤道面ずれｘ"),
                    fields_.add(form_.sphtx, QStringLiteral("sphtx"), kSphereLengthRange));
        AddFieldRow(right, 3, QCoreApplication::translate("SphereDialog", "赤道面ずれｚ"),
                    fields_.add(form_.sphtz, QStringLiteral("sphtz"), kSphereLengthRange));
        AddFieldRow(right, 4, QCoreApplication::translate("SphereDialog", "超二次(経)"),
                    fields_.add(form_.sphspn, QStringLiteral("sphspn"), kSphereExponentRange), QStringLiteral("/1000"));
        AddFieldRow(right, 5, QCoreApplication::translate("SphereDialog", "超二次(緯)"),
                    fields_.add(form_.sphspm, QStringLiteral("sphspm"), kSphereExponentRange), QStringLiteral("/1000"));
        auto* columns = new QHBoxLayout;
        columns->addLayout(left);
        columns->addSpacing(16);
        columns->addLayout(right);
        layout->addLayout(columns);

        auto* checks = new QGridLayout;
        hang_ = MakeCheck(QCoreApplication::translate("SphereDialog", "半角ずらす(経)"), QStringLiteral("sphhang"),
                          form_.sphhang);
        caps_ =
            MakeCheck(QCoreApplication::translate("SphereDialog", "上底有り"), QStringLiteral("sphtei"), form_.sphtei);
        gais_ = MakeCheck(QCoreApplication::translate("SphereDialog", "幅＝外接円径"), QStringLiteral("sphgais"),
                          form_.sphgais);
        torus_ =
            MakeCheck(QCoreApplication::translate("SphereDialog", "トーラス"), QStringLiteral("torus"), form_.torus);
        zeqx_ = MakeCheck(QCoreApplication::translate("SphereDialog", "幅ｚ＝幅ｘ"), QStringLiteral("sphzeqx"),
                          form_.sphzeqx);
        yeqx_ = MakeCheck(QCoreApplication::translate("SphereDialog", "幅ｙ＝幅ｘ"), QStringLiteral("sphyeqx"),
                          form_.sphyeqx);
        spon_ = MakeCheck(QCoreApplication::translate("SphereDialog", "超二次有効"), QStringLiteral("sphspon"),
                          form_.sphspon);
        sphg_ = MakeCheck(QCoreApplication::translate("SphereDialog", "超二次特殊"), QStringLiteral("sphsphg"),
                          form_.sphsphg);
        QCheckBox* const order[] = {hang_, caps_, gais_, torus_, zeqx_, yeqx_, spon_, sphg_};
        for (int i = 0; i < 8; ++i) checks->addWidget(order[i], i / 4, i % 4);
        layout->addLayout(checks);

        // A radius that follows the x radius cannot be typed.
        wz->setEnabled(!form_.sphzeqx);
        wy->setEnabled(!form_.sphyeqx);
        connect(zeqx_, &QCheckBox::toggled, wz, [wz](bool on) { wz->setEnabled(!on); });
        connect(yeqx_, &QCheckBox::toggled, wy, [wy](bool on) { wy->setEnabled(!on); });

        layout->addWidget(new QLabel(QCoreApplication::translate(
            "SphereDialog", "Ｅ・Ｒ・Ｔ・Ｙ・Ｕ・Ｉ・Ｏ・Ｐキーでも、角数を変更できます。")));
        message_ = AddFieldMessage(layout);
        layout->addWidget(AddOkCancel(*this));
        showCells();
    }

    // OK: text that is no number is refused first, untouched; then the counts
    // are corrected (with the limit message when there are too many cells);
    // last every field must lie within its range. Until then the dialog stays
    // open on the field to fix.
    void accept() override {
        if (!fields_.numbers(message_)) return;
        readForm();
        SphereFocus focus;
        const SphereCheck check = CheckSphereForm(form_, &focus);
        fields_.show();
        if (check != SphereCheck::Accept) {
            if (auto* edit = findChild<QLineEdit*>(QString::fromStdString(focus.field))) {
                RefuseField(edit, message_, focus.range);
            }
        }
        if (check == SphereCheck::TooManyCells) {
            QMessageBox box(QMessageBox::NoIcon, TranslatedMessage(kSphereLimitCaption),
                            TranslatedMessage(kSphereLimitText), QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText);
            RunDialog(box);
        }
        if (check == SphereCheck::Accept && fields_.acceptable(message_)) QDialog::accept();
    }

    const SphereForm& form() const { return form_; }

private:
    // Returns the count's edit.
    QLineEdit* addCountRow(QGridLayout* grid, int row, const QString& label, EditField& count, const char* countName,
                           EditField& step, const char* stepName) {
        QLineEdit* countEdit = fields_.add(count, QString::fromLatin1(countName), kSphereCountRange);
        QLineEdit* stepEdit = fields_.add(step, QString::fromLatin1(stepName), kSphereStepRange);
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(countEdit, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("/")), row, 2);
        grid->addWidget(stepEdit, row, 3);
        // The product follows every change of either count, typed or written back.
        connect(countEdit, &QLineEdit::textChanged, this, [this] { showCells(); });
        return countEdit;
    }

    void readForm() {
        fields_.read();
        form_.sphhang = hang_->isChecked();
        form_.sphtei = caps_->isChecked();
        form_.sphgais = gais_->isChecked();
        form_.torus = torus_->isChecked();
        form_.sphzeqx = zeqx_->isChecked();
        form_.sphyeqx = yeqx_->isChecked();
        form_.sphspon = spon_->isChecked();
        form_.sphsphg = sphg_->isChecked();
    }

    // From the edits themselves: the form is read only on OK.
    void showCells() {
        if (cells_ == nullptr || nEdit_ == nullptr || mEdit_ == nullptr) return;
        EditField n = form_.sphn;
        EditField m = form_.sphm;
        n.text = FieldTextOf(nEdit_);
        m.text = FieldTextOf(mEdit_);
        cells_->setText(QString::fromStdString(SphereCellsText(n, m)));
    }

    SphereForm form_;
    FieldBinder fields_;
    QLabel* message_ = nullptr;
    QLineEdit* nEdit_ = nullptr;
    QLineEdit* mEdit_ = nullptr;
    QLabel* cells_ = nullptr;
    QCheckBox* hang_ = nullptr;
    QCheckBox* caps_ = nullptr;
    QCheckBox* gais_ = nullptr;
    QCheckBox* torus_ = nullptr;
    QCheckBox* zeqx_ = nullptr;
    QCheckBox* yeqx_ = nullptr;
    QCheckBox* spon_ = nullptr;
    QCheckBox* sphg_ = nullptr;
};

}  // namespace

bool EditSphereParameters(QWidget* parent, BuildParams& params, ShapeId& zukei) {
    SphereDialog dialog(params, zukei, parent);
    if (RunDialog(dialog) != QDialog::Accepted) return false;
    StoreSphereForm(dialog.form(), params, zukei);
    return true;
}

}  // namespace gyro
