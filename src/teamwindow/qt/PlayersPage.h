#pragma once
// Page "Spieler" of the properties sheet: every player the team ever had (former players
// greyed, with their status word where the injury stood), the total of star player points,
// and the commands to buy, remove and change players and, for undead teams, to revive a
// zombie.

#include "teamwindow/qt/RecordListPage.h"

class QLineEdit;

namespace krv {

class PlayersModel;
struct CKRSpieler;

class PlayersPage : public RecordListPage {
  Q_OBJECT
 public:
  explicit PlayersPage(TeamDocument* doc, QWidget* parent = nullptr);

  PlayersModel* Model() const { return m_pModel; }

  // "Nach Nr. sortieren": the rows by number, ascending, until the list is filled again.
  void SortByNumber();

  // The player of the selected row, or null.
  CKRSpieler* SelectedPlayer() const;

 protected:
  // "Gesamt SSP:" and the zombie button as the team has them now.
  void ShowFields() override;

 private:
  PlayersModel* m_pModel;
  QLineEdit* m_pSSPGesamt;
};

}  // namespace krv
