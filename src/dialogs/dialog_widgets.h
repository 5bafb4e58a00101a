#pragma once

// Pieces every parameter dialog is made of: edit fields tied to a form's
// EditFields, label rows, and the OK / ｷｬﾝｾﾙ buttons.

#include <QString>

#include <utility>
#include <vector>

#include "dialogs/field_text.h"

class QCheckBox;
class QDialog;
class QDialogButtonBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace gyro {

// Ties a form's fields to the line edits that show them.
class FieldBinder {
public:
    // A line edit named `name` (the settings key) showing `field`; it takes
    // field.room characters at most.
    QLineEdit* add(EditField& field, const QString& name);
    // Form -> edits (after a button rewrote fields), edits -> form.
    void show() const;
    void read() const;

private:
    std::vector<std::pair<EditField*, QLineEdit*>> bound_;
};

// One row of a grid: label, field and an optional note after it.
void AddFieldRow(QGridLayout* grid, int row, const QString& label, QLineEdit* edit, const QString& note = {});

// A check box named `name` (the settings key).
QCheckBox* MakeCheck(const QString& label, const QString& name, bool checked);

// OK and "ｷｬﾝｾﾙ"; OK is the default button, so Return in a field accepts.
QDialogButtonBox* AddOkCancel(QDialog& dialog);

// The edit's text as the form reads it: full-width digits and signs, as an
// input method types them, become their plain forms.
std::string FieldTextOf(const QLineEdit* edit);

}  // namespace gyro
