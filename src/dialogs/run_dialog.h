#pragma once

#include <functional>

class QDialog;

namespace gyro {

// Every modal dialog of the viewer (and every message box a dialog shows) is
// run through RunDialog. Normally that is QDialog::exec(); a test installs an
// answerer instead, which is handed the shown dialog to type into and to
// accept or reject, so that no test waits for a user.
using DialogAnswerer = std::function<void(QDialog&)>;

// Installs the answerer (an empty one restores exec()); returns the previous one.
DialogAnswerer SetDialogAnswerer(DialogAnswerer answerer);

// No minimise or maximise button: dialog flags without those hints, and a
// fixed size for a dialog that is a form. RunDialog does this first.
void MakeAnswerable(QDialog& dialog);

// The dialog's result: QDialog::Accepted or QDialog::Rejected. A dialog that an
// answerer leaves open counts as rejected and is closed.
int RunDialog(QDialog& dialog);

}  // namespace gyro
