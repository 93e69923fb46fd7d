#pragma once
// "Einnahmen" (placement "Gelder"): the text and amount of one ledger entry, for a new
// income entry or for changing an income or expense entry. The small button beside "&Art:"
// picks a team and makes the text "Spiel gegen: " and its name (income only).

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace krv {

class NumberEdit;

class LedgerEntryDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLayoutName = "Gelder";

  explicit LedgerEntryDialog(QWidget* parent = nullptr);

  int exec() override;

  // Fields in and, after OK, out.
  bool m_bAusgabe = false;  // expense mode: caption "Ausgabe ändern", no pick button
  bool m_bNeu = true;       // OK reads "&Neu", or "Ä&ndern" for a change
  QString m_strArt;         // starts as "Spiel gegen: "
  qint64 m_nWert = 0;
  // Picks a team name (the team selection); unset leaves the pick button without effect.
  std::function<std::optional<QString>()> m_PickTeam;

  QLineEdit* ArtEdit() const { return m_pArt; }
  NumberEdit* WertEdit() const { return m_pWert; }
  QPushButton* OkButton() const { return m_pOk; }
  QToolButton* PickButton() const { return m_pPick; }

 private:
  QLineEdit* m_pArt;
  NumberEdit* m_pWert;
  QToolButton* m_pPick;
  QPushButton* m_pOk;
};

}  // namespace krv
