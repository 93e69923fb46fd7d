#pragma once
// "Ausgabe": what the team buys or loses. Nine choices ("Kaufen / Verluste") enabled by the
// treasury and the staff; the loss takes a text and a value. "&Übernehmen" without a
// choice is refused and the dialog stays open.

#include <QDialog>
#include <QString>
#include <array>

#include "season/ExpenseEntry.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace krv {

class NumberEdit;

class ExpenseDialog : public QDialog {
  Q_OBJECT
 public:
  // `team` gives treasury, staff, race and the choice taken last time; the dialog does not
  // change it. `playerPurchase`: the choices "Starspieler" and "Spieler" can be carried out.
  ExpenseDialog(const CKRTeam& team, bool playerPurchase, QWidget* parent = nullptr);

  // After OK: the choice, and for a loss its text and value.
  int m_nWahl = -1;
  QString m_strText;
  qint64 m_nWert = 0;

  QRadioButton* Choice(int choice) const { return m_Choices[static_cast<size_t>(choice)]; }
  QLineEdit* TextEdit() const { return m_pText; }
  NumberEdit* WertEdit() const { return m_pWert; }
  QPushButton* OkButton() const { return m_pOk; }

 private:
  void ChoiceClicked(int choice);
  void Accept();

  std::array<QRadioButton*, kExpenseChoiceCount> m_Choices{};
  QButtonGroup* m_pGroup;
  QLineEdit* m_pText;
  NumberEdit* m_pWert;
  QPushButton* m_pOk;
};

}  // namespace krv
