#pragma once
// The "OK" / "Abbrechen" row of the program's sheets and small dialogs, wired to accept and
// reject, with the buttons named "ok" and "cancel" for keyboard tests and help.

class QDialog;
class QDialogButtonBox;

namespace krv {

QDialogButtonBox* OkCancelButtons(QDialog* dialog);

}  // namespace krv
