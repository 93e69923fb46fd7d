#pragma once
// The parts the two ledger pages share: the total line "Ausgaben:"/"Einnahmen:" with its
// read-only field and the unit "K".

#include <QString>

class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace krv {

// Builds "<label> [total] K" into `row`; returns the total field.
QLineEdit* AddLedgerTotal(QWidget* page, QHBoxLayout* row, const QString& label, const QString& objectName);

}  // namespace krv
