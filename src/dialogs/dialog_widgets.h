#pragma once

// Pieces every parameter dialog is made of: edit fields tied to a form's
// EditFields, label rows, and the OK / ｷｬﾝｾﾙ buttons.

#include <QString>

#include <optional>
#include <utility>
#include <vector>

#include "dialogs/field_rule.h"
#include "dialogs/field_text.h"

class QCheckBox;
class QDialog;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QBoxLayout;
class QLineEdit;
class QWidget;

namespace gyro {

// Ties a form's fields to the line edits that show them.
class FieldBinder {
public:
    // A line edit named `name` (the settings key) showing `field`; it takes
    // field.room characters at most.
    QLineEdit* add(EditField& field, const QString& name);
    // The same, with the field's range (field_rule.h).
    QLineEdit* add(EditField& field, const QString& name, FieldRange range);
    // Form -> edits (after a button rewrote fields), edits -> form.
    void show() const;
    void read() const;
    // True when every enabled field with a range keeps a number within it;
    // otherwise selects the first that does not and names its range in `message`.
    bool acceptable(QLabel* message) const;
    // The same for text that is no number at all, whatever its value: run
    // before a family's own corrections, which read the fields as numbers.
    bool numbers(QLabel* message) const;

private:
    struct Bound {
        EditField* field;
        QLineEdit* edit;
        std::optional<FieldRange> range;
    };
    std::vector<Bound> bound_;
};

// The line under the fields that names the range of a refused field (hidden
// until then), added to `layout`.
QLabel* AddFieldMessage(QBoxLayout* layout);

// Selects the field and names its range in `message` (when there is one).
void RefuseField(QLineEdit* edit, QLabel* message, const FieldRange& range);

// "-3599～3599 の整数を入れてください" and the like.
QString RangeText(const FieldRange& range);

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
