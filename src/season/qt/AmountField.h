#pragma once
// Amounts typed into the season dialogs end up in 32-bit fields of the team file.

class QWidget;

namespace krv {

class NumberEdit;

// True when the field's value fits a ledger amount; otherwise tells the coach, puts the
// focus on the field and returns false, so the dialog stays open with what was typed.
bool AmountFits(QWidget* dialog, NumberEdit* field);

}  // namespace krv
