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
    // A dialog is answered, not kept: no minimise or maximise button.
    Qt::WindowFlags flags = dialog.windowFlags();
    flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    dialog.setWindowFlags(flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
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
