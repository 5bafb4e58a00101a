#include "dialogs/dialog_widgets.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace gyro {

namespace {

void ShowIn(QLineEdit* edit, const EditField& field) {
    // Grow first: setText cuts to the maximum length.
    edit->setMaxLength(static_cast<int>(std::max<std::size_t>(field.room, 1)));
    edit->setText(QString::fromStdString(field.text));
    edit->setCursorPosition(0);
}

}  // namespace

QLineEdit* FieldBinder::add(EditField& field, const QString& name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    // Wide enough for what may be typed, at least eight characters.
    const int chars = static_cast<int>(std::clamp<std::size_t>(field.room, 8, 16));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 1) + 8);
    ShowIn(edit, field);
    bound_.push_back({&field, edit, std::nullopt});
    return edit;
}

QLineEdit* FieldBinder::add(EditField& field, const QString& name, FieldRange range) {
    QLineEdit* edit = add(field, name);
    bound_.back().range = range;
    return edit;
}

void FieldBinder::show() const {
    for (const Bound& b : bound_) ShowIn(b.edit, *b.field);
}

void FieldBinder::read() const {
    for (const Bound& b : bound_) b.field->text = FieldTextOf(b.edit);
}

bool FieldBinder::acceptable(QLabel* message) const {
    for (const Bound& b : bound_) {
        if (!b.range || !b.edit->isEnabled()) continue;
        const EditField typed{FieldTextOf(b.edit), b.field->room};
        if (CheckField(typed, *b.range) == FieldFault::None) continue;
        RefuseField(b.edit, message, *b.range);
        return false;
    }
    return true;
}

bool FieldBinder::numbers(QLabel* message) const {
    for (const Bound& b : bound_) {
        if (!b.range || !b.edit->isEnabled()) continue;
        const EditField typed{FieldTextOf(b.edit), b.field->room};
        if (CheckField(typed, *b.range) != FieldFault::NotANumber) continue;
        RefuseField(b.edit, message, *b.range);
        return false;
    }
    return true;
}

void RefuseField(QLineEdit* edit, QLabel* message, const FieldRange& range) {
    edit->setFocus();
    edit->selectAll();
    if (message) {
        message->setText(RangeText(range));
        message->show();
    }
}

QLabel* AddFieldMessage(QBoxLayout* layout) {
    auto* message = new QLabel;
    message->setObjectName(QStringLiteral("fieldMessage"));
    message->setStyleSheet(QStringLiteral("color: #c00000"));
    message->hide();
    layout->addWidget(message);
    return message;
}

QString RangeText(const FieldRange& range) {
    const auto number = [&](double v) {
        return range.integer ? QString::number(static_cast<qint64>(v)) : QString::number(v, 'g', 6);
    };
    const bool unbounded = range.highest == std::numeric_limits<double>::max();
    if (range.lowestOpen && unbounded) {
        return QCoreApplication::translate("FieldRule", "%1 より大きい数を入れてください").arg(number(range.lowest));
    }
    if (unbounded) {
        return range.integer ? QCoreApplication::translate("FieldRule", "整数を入れてください")
                             : QCoreApplication::translate("FieldRule", "数を入れてください");
    }
    if (range.lowestOpen) {
        return QCoreApplication::translate("FieldRule", "%1 より大きく %2 以下の数を入れてください")
            .arg(number(range.lowest), number(range.highest));
    }
    return range.integer ? QCoreApplication::translate("FieldRule", "%1～%2 の整数を入れてください")
                               .arg(number(range.lowest), number(range.highest))
                         : QCoreApplication::translate("FieldRule", "%1～%2 の数を入れてください")
                               .arg(number(range.lowest), number(range.highest));
}

std::string FieldTextOf(const QLineEdit* edit) {
    return edit->text().normalized(QString::NormalizationForm_KC).toStdString();
}

void AddFieldRow(QGridLayout* grid, int row, const QString& label, QLineEdit* edit, const QString& note) {
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    if (!note.isEmpty()) grid->addWidget(new QLabel(note), row, 2);
}

QCheckBox* MakeCheck(const QString& label, const QString& name, bool checked) {
    auto* box = new QCheckBox(label);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QDialogButtonBox* AddOkCancel(QDialog& dialog) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    box->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("DialogButtons", "ｷｬﾝｾﾙ"));
    box->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

}  // namespace gyro
