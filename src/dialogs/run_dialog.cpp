#include "dialogs/run_dialog.h"

#include <QDialog>
#include <utility>

namespace gyro {

namespace {
DialogAnswerer& Answerer() {
    static DialogAnswerer answerer;
    return answerer;
}
}  // namespace

DialogAnswerer SetDialogAnswerer(DialogAnswerer answerer) { return std::exchange(Answerer(), std::move(answerer)); }

int RunDialog(QDialog& dialog) {
    if (!Answerer()) return dialog.exec();
    // A copy: the answerer may install another one for nested dialogs.
    const DialogAnswerer answer = Answerer();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    answer(dialog);
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

}  // namespace gyro
