#include "dialogs/run_dialog.h"

#include <QDialog>
#include <QLayout>
#include <QMessageBox>
#include <utility>

namespace gyro {

namespace {
DialogAnswerer& Answerer() {
    static DialogAnswerer answerer;
    return answerer;
}
}  // namespace

DialogAnswerer SetDialogAnswerer(DialogAnswerer answerer) { return std::exchange(Answerer(), std::move(answerer)); }

void MakeAnswerable(QDialog& dialog) {
    // A dialog is answered, not kept: no minimise or maximise button. The
    // window stays a dialog (transient for its parent), and the flags become
    // window-manager hints that most window managers follow.
    Qt::WindowFlags flags = dialog.windowFlags();
    flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    dialog.setWindowFlags(flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Some (Openbox) ignore those hints and go by the size alone: a window
    // whose smallest and largest sizes are one cannot be maximised. A form
    // gains nothing from a larger window, so it keeps the size its layout
    // asks for. A dialog with a size grip (the file dialog) is meant to be
    // resized, and a message box fixes its own size.
    if (dialog.layout() && !dialog.isSizeGripEnabled() && !qobject_cast<QMessageBox*>(&dialog)) {
        dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

int RunDialog(QDialog& dialog) {
    MakeAnswerable(dialog);
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
