#include "dialogs/dialog_widgets.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

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
    bound_.emplace_back(&field, edit);
    return edit;
}

void FieldBinder::show() const {
    for (const auto& [field, edit] : bound_) ShowIn(edit, *field);
}

void FieldBinder::read() const {
    for (const auto& [field, edit] : bound_) field->text = FieldTextOf(edit);
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
