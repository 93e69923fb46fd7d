#pragma once
// "Starspieler kaufen": the ready-made star players of the catalogue that the race may hire
// and afford. At team creation there is no team and the starting capital is the gold; when
// buying into a team its treasury and its star and big-guy counts decide.

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "create/StarOffer.h"
#include "model/Spieler.h"

class QCheckBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace krv {

class CKRTeam;

class StarPlayerChoiceDialog : public QDialog {
  Q_OBJECT
 public:
  // `team` may be null (team creation). With `useTeamGold` and a team, the team's treasury
  // is the gold; otherwise the starting capital.
  StarPlayerChoiceDialog(int32_t race, const CKRTeam* team, int32_t startingCapital, bool useTeamGold = false,
                         QWidget* parent = nullptr);

  // Runs the dialog modally; when nothing can be offered it shows the bank's message
  // instead and returns Rejected without showing the list.
  int exec() override;

  // Whether the list currently offers anything.
  bool HasOffers() const { return !m_Offers.empty(); }

  // After exec() == Accepted: a copy of the chosen star player's record (name, BW, ST, GE,
  // RW, the full cost as value, abbreviations, star code); nothing otherwise.
  std::optional<CKRSpieler> Result() const;

  static constexpr const char* kLayoutName = "StarplayerKaufen";
  static constexpr const char* kListName = "StarplayerListe";

 private:
  void Fill();
  void CardToggled();
  void Take(QTreeWidgetItem* item);
  void Uebernehmen();

  StarOfferRequest m_Request;
  std::vector<StarOfferRow> m_Offers;
  std::optional<CKRSpieler> m_Result;
  bool m_bAccepted = false;

  QTreeWidget* m_pList = nullptr;
  QCheckBox* m_pCard = nullptr;
  QPushButton* m_pUebernehmen = nullptr;
};

}  // namespace krv
