#pragma once
// "Eigene Spieler erstellen": the coach designs the positions of an own race (race 15)
// with the player builder. Each accepted design is written straight into the team's
// own-race templates; "&Übernehmen" is offered once the four required positions exist.

#include <QDialog>
#include <array>
#include <cstdint>

#include "create/OwnRace.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace krv {

class CKRTeam;

class OwnRaceDialog : public QDialog {
  Q_OBJECT
 public:
  // `team` is the new team whose templates are written (null shows a notice and leaves
  // nothing to write). The starting capital is what the builder measures prices against.
  OwnRaceDialog(CKRTeam* team, int32_t startingCapital, QWidget* parent = nullptr);

  // The dialog's fields (texts and mutation box); after exec() == Accepted the team's
  // m_bMutation has been set from the box.
  const OwnRaceDesign& Design() const { return m_Design; }
  bool Mutation() const { return m_Design.m_bMutation; }

  static constexpr const char* kLayoutName = "EigeneSpieler";
  static constexpr const char* kHelpTopic = "#OWN_TEAM";

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void PositionButton(int slot);
  void ShowTexts();
  void Uebernehmen();

  OwnRaceDesign m_Design;
  int32_t m_nStartingCapital = 0;
  bool m_bNoTeamShown = false;
  std::array<QPushButton*, kOwnRaceSlotCount> m_pButtons{};
  std::array<QLineEdit*, kOwnRaceSlotCount> m_pTexts{};
  QCheckBox* m_pMutation = nullptr;
  QPushButton* m_pUebernehmen = nullptr;
};

}  // namespace krv
