#pragma once
// "Spielerkaufen": the positions a team may buy now, with the half-price card, and the ways
// to a star player ("&Starplayer" chooses one of the catalogue, "&Bauen" builds one). The
// dialog only chooses; the buying command does the purchase with the core.

#include <QDialog>
#include <string>
#include <vector>

#include "roster/PlayerPurchase.h"

class QCheckBox;
class QPushButton;
class QTreeWidget;

namespace krv {

class PlayerPurchaseDialog : public QDialog {
  Q_OBJECT
 public:
  // How the dialog was left.
  enum class Choice { kAbbruch, kKaufen, kStarplayer, kBauen };

  // The treasury is read once here and every offer is measured against it.
  PlayerPurchaseDialog(const CKRTeam& team, int32_t maxSpieler, QWidget* parent = nullptr);

  Choice Chosen() const { return m_Choice; }
  // After "&Kaufen": the remembered row's position and the card.
  PlayerPurchase Purchase() const;
  int32_t Treasury() const { return m_nTreasury; }

  static constexpr const char* kLayoutName = "SpielerKaufen";
  static constexpr const char* kListName = "SpielerKaufenListe";
  static constexpr const char* kHelpTopic = "#PLAYER_NEW";

 private:
  void Fill();
  void Close(Choice choice);

  const CKRTeam& m_Team;
  int32_t m_nTreasury;
  std::vector<PurchaseOffer> m_Offers;
  std::string m_strChosenPosition;
  Choice m_Choice = Choice::kAbbruch;

  QTreeWidget* m_pList;
  QCheckBox* m_pCard;
  QPushButton* m_pKaufen;
  QPushButton* m_pStarplayer;
  QPushButton* m_pBauen;
};

}  // namespace krv
