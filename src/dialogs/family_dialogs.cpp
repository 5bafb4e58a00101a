#include "dialogs/family_dialogs.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_widgets.h"
#include "dialogs/family_dialog_values.h"
#include "dialogs/run_dialog.h"

namespace gyro {

namespace {

constexpr int kFieldChars = 10;

QLineEdit* NumberField(QWidget* parent, const char* key, const std::string& text) {
    auto* field = new QLineEdit(QString::fromStdString(text), parent);
    field->setObjectName(QString::fromLatin1(key));
    field->setMaxLength(kFieldChars);
    field->setAlignment(Qt::AlignRight);
    return field;
}

// Writes the corrected texts back, selects the first field to fix and names
// its range under the fields.
template <size_t N>
void ShowCorrections(const std::array<std::optional<std::string>, N>& rewrite, int focus,
                     const std::optional<FieldRange>& range, const std::array<QLineEdit*, N>& fields,
                     QLabel* message) {
    for (size_t i = 0; i < N; ++i) {
        if (rewrite[i]) fields[i]->setText(QString::fromStdString(*rewrite[i]));
    }
    if (focus >= 0 && range) RefuseField(fields[size_t(focus)], message, *range);
}

// ---------------------------------------------------------------------------

class PrismDialog : public QDialog {
public:
    PrismDialog(QWidget* parent, Solid& solid) : QDialog(parent), solid_(solid) {
        using namespace prism_dialog;
        setWindowTitle(QCoreApplication::translate("FamilyDialogs", "角錐・角柱"));
        setObjectName(QStringLiteral("prismDialog"));
        const Values v = FromSolid(solid);

        static const char* const kKeys[kFieldCount] = {"conn", "conpn", "conh",   "conwx", "conwz",
                                                       "consx", "consz", "conarg", "conapm"};
        for (int i = 0; i < kFieldCount; ++i) fields_[size_t(i)] = NumberField(this, kKeys[i], v.text[size_t(i)]);

        auto* grid = new QGridLayout;
        auto row = [&](int r, const char* label1, int field1, const char* label2 = nullptr, int field2 = -1) {
            grid->addWidget(new QLabel(QCoreApplication::translate("FamilyDialogs", label1), this), r, 0);
            grid->addWidget(fields_[size_t(field1)], r, 1);
            if (label2) grid->addWidget(new QLabel(QCoreApplication::translate("FamilyDialogs", label2), this), r, 2);
            if (field2 >= 0) grid->addWidget(fields_[size_t(field2)], r, 3);
        };
        row(0, QT_TRANSLATE_NOOP("FamilyDialogs", "角数"), kCorners, "/", kStep);
        row(1, QT_TRANSLATE_NOOP("FamilyDialogs", "高さ"), kHeight);
        row(2, QT_TRANSLATE_NOOP("FamilyDialogs", "幅ｘ"), kWidthX, QT_TRANSLATE_NOOP("FamilyDialogs", "幅ｚ"),
            kWidthZ);
        row(3, QT_TRANSLATE_NOOP("FamilyDialogs", "上下ずれｘ"), kShearX,
            QT_TRANSLATE_NOOP("FamilyDialogs", "上下ずれｚ"), kShearZ);
        row(4, QT_TRANSLATE_NOOP("FamilyDialogs", "底面角度"), kBaseAngle,
            QT_TRANSLATE_NOOP("FamilyDialogs", "ねじれ率"), kTwist);

        static const char* const kFlagKeys[kFlagCount] = {"conhang", "conzeqx", "conyeqx",
                                                          "congais", "conhensez", "conarchi"};
        static const char* const kFlagLabels[kFlagCount] = {
            QT_TRANSLATE_NOOP("FamilyDialogs", "半角ずらす"), QT_TRANSLATE_NOOP("FamilyDialogs", "幅ｚ＝幅ｘ"),
            QT_TRANSLATE_NOOP("FamilyDialogs", "幅ｙ＝幅ｘ"), QT_TRANSLATE_NOOP("FamilyDialogs", "幅＝外接円径"),
            QT_TRANSLATE_NOOP("FamilyDialogs", "辺接補正"),   QT_TRANSLATE_NOOP("FamilyDialogs", "アルキメデス補正")};
        auto* checks = new QGridLayout;
        for (int i = 0; i < kFlagCount; ++i) {
            auto* box = new QCheckBox(QCoreApplication::translate("FamilyDialogs", kFlagLabels[i]), this);
            box->setObjectName(QString::fromLatin1(kFlagKeys[i]));
            box->setChecked(v.flags[size_t(i)]);
            flags_[size_t(i)] = box;
            checks->addWidget(box, i / 2, i % 2);
        }
        // A width that follows the x width is not typed.
        auto follow = [](QCheckBox* box, QLineEdit* field) {
            field->setEnabled(!box->isChecked());
            QObject::connect(box, &QCheckBox::toggled, field, [field](bool on) { field->setEnabled(!on); });
        };
        follow(flags_[kZEqualsX], fields_[kWidthZ]);
        follow(flags_[kYEqualsX], fields_[kHeight]);

        auto* shapes = new QGroupBox(QCoreApplication::translate("FamilyDialogs", "形"), this);
        auto* shapeLayout = new QGridLayout(shapes);
        static const char* const kShapeLabels[] = {
            QT_TRANSLATE_NOOP("FamilyDialogs", "角錐"),   QT_TRANSLATE_NOOP("FamilyDialogs", "角錐(対配置)"),
            QT_TRANSLATE_NOOP("FamilyDialogs", "角柱"),   QT_TRANSLATE_NOOP("FamilyDialogs", "双角錐"),
            QT_TRANSLATE_NOOP("FamilyDialogs", "反角柱"), QT_TRANSLATE_NOOP("FamilyDialogs", "反双角錐"),
            QT_TRANSLATE_NOOP("FamilyDialogs", "角形")};
        for (size_t i = 0; i < kFigures.size(); ++i) {
            auto* radio = new QRadioButton(QCoreApplication::translate("FamilyDialogs", kShapeLabels[i]), shapes);
            radio->setObjectName(QStringLiteral("figure%1").arg(kFigures[i]));
            radio->setChecked(kFigures[i] == v.figure);
            shapeGroup_.addButton(radio, kFigures[i]);
            shapeLayout->addWidget(radio, int(i) / 4, int(i) % 4);
        }

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(grid);
        layout->addLayout(checks);
        layout->addWidget(shapes);
        layout->addWidget(new QLabel(
            QCoreApplication::translate("FamilyDialogs", "Ｅ・Ｒ・Ｔ・Ｙキーでも角数を変更できます。"), this));
        message_ = AddFieldMessage(layout);
        layout->addWidget(AddOkCancel(*this));
    }

    void accept() override {
        using namespace prism_dialog;
        Values v;
        for (int i = 0; i < kFieldCount; ++i) {
            v.text[size_t(i)] = FieldTextOf(fields_[size_t(i)]);
            v.enabled[size_t(i)] = fields_[size_t(i)]->isEnabled();
        }
        for (int i = 0; i < kFlagCount; ++i) v.flags[size_t(i)] = flags_[size_t(i)]->isChecked();
        const int chosen = shapeGroup_.checkedId();
        v.figure = chosen > 0 ? static_cast<ShapeId>(chosen) : kFigures[0];

        const Check c = CheckValues(v);
        ShowCorrections(c.rewrite, c.focus, c.range, fields_, message_);
        if (c.tooManyCorners) {
            QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("FamilyDialogs", "リミッター"),
                            QCoreApplication::translate("FamilyDialogs", "角数が多過ぎるかも。"), QMessageBox::Ok,
                            this);
            RunDialog(box);
        }
        if (!c.accepted) return;
        Store(v, solid_);
        QDialog::accept();
    }

private:
    Solid& solid_;
    QLabel* message_ = nullptr;
    std::array<QLineEdit*, prism_dialog::kFieldCount> fields_{};
    std::array<QCheckBox*, prism_dialog::kFlagCount> flags_{};
    QButtonGroup shapeGroup_;
};

// ---------------------------------------------------------------------------

class HueCycleDialog : public QDialog {
public:
    HueCycleDialog(QWidget* parent, BuildParams& params) : QDialog(parent), params_(params) {
        using namespace hue_dialog;
        setWindowTitle(QCoreApplication::translate("FamilyDialogs", "色相循環"));
        setObjectName(QStringLiteral("hueCycleDialog"));
        const Values v = FromParams(params);
        static const char* const kKeys[kFieldCount] = {"sikisouhz", "sikisoufq", "sikisourt"};
        static const char* const kLabels[kFieldCount] = {QT_TRANSLATE_NOOP("FamilyDialogs", "色相周回数"),
                                                         QT_TRANSLATE_NOOP("FamilyDialogs", "初期色相"),
                                                         QT_TRANSLATE_NOOP("FamilyDialogs", "渦（球状用）")};
        auto* grid = new QGridLayout;
        for (int i = 0; i < kFieldCount; ++i) {
            fields_[size_t(i)] = NumberField(this, kKeys[i], v.text[size_t(i)]);
            grid->addWidget(new QLabel(QCoreApplication::translate("FamilyDialogs", kLabels[i]), this), i, 0);
            grid->addWidget(fields_[size_t(i)], i, 1);
        }
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(
            QCoreApplication::translate("FamilyDialogs", "〔「角錐・角柱」「球状」で「固有配色」時に使用〕"), this));
        layout->addLayout(grid);
        layout->addWidget(
            new QLabel(QCoreApplication::translate("FamilyDialogs", "0：赤　255：黄　510：緑　1020：青"), this));
        message_ = AddFieldMessage(layout);
        layout->addWidget(AddOkCancel(*this));
    }

    void accept() override {
        using namespace hue_dialog;
        Values v;
        for (int i = 0; i < kFieldCount; ++i) v.text[size_t(i)] = FieldTextOf(fields_[size_t(i)]);
        const Check c = CheckValues(v);
        if (!c.accepted) {
            if (c.focus >= 0 && c.range) RefuseField(fields_[size_t(c.focus)], message_, *c.range);
            return;
        }
        Store(v, params_);
        QDialog::accept();
    }

private:
    BuildParams& params_;
    QLabel* message_ = nullptr;
    std::array<QLineEdit*, hue_dialog::kFieldCount> fields_{};
};

}  // namespace

bool RunPrismDialog(QWidget* parent, Solid& solid) {
    PrismDialog dialog(parent, solid);
    return RunDialog(dialog) == QDialog::Accepted;
}

bool RunHueCycleDialog(QWidget* parent, BuildParams& params) {
    HueCycleDialog dialog(parent, params);
    return RunDialog(dialog) == QDialog::Accepted;
}

}  // namespace gyro
