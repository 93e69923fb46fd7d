#pragma once
// "Spieler '%s' entfernen": what happened to a player who leaves the team. "&Ändern" keeps
// the dialog open while no choice is made or "&Sonstiges" has no text; the removing command
// then hands the choice to the core.

#include <QDialog>

#include "roster/PlayerRemoval.h"

class QLineEdit;
class QRadioButton;

namespace krv {

class PlayerRemovalDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PlayerRemovalDialog(const QString& playerName, QWidget* parent = nullptr);

  // After "&Ändern": the choice and the "&Sonstiges" text.
  PlayerRemoval Removal() const;

  static constexpr const char* kHelpTopic = "#PLAYER_DELETE";

 protected:
  void accept() override;

 private:
  QRadioButton* m_pVerkauft;
  QRadioButton* m_pCotrainer;
  QRadioButton* m_pVerstorben;
  QRadioButton* m_pSonstiges;
  QLineEdit* m_pText;
};

}  // namespace krv
