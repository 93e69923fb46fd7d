#pragma once
// "Starplayer bauen": the player builder. The coach sets BW, ST, GE, RW and picks skills;
// the point scheme of the core prices the player live. Used for the star slots of the
// creation dialog (kind 3, no team), the own race's positions (kinds 0, 1, 2, 4, 5, 6)
// and for buying a built star player into a team (purchase mode: the card box is enabled
// and the command buys the accepted player through the core).

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>

#include "create/PlayerBuilder.h"
#include "model/Spieler.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace krv {

class StarPlayerBuilderDialog : public QDialog {
  Q_OBJECT
 public:
  // Everything the caller may preset: kind, name, mutation and purchase mode
  // (OwnRaceBuilder() gives the preset of an own-race position). `gold` is what "&Kaufen"
  // measures against: the starting capital, or the team's treasury when buying.
  StarPlayerBuilderDialog(const PlayerBuilder& preset, int32_t gold, QWidget* parent = nullptr);
  // A star player (kind 3): for a creation slot, or in purchase mode for a team.
  explicit StarPlayerBuilderDialog(int32_t gold, bool purchaseMode = false, QWidget* parent = nullptr);

  // The builder's fields as the dialog shows them; after exec() == Accepted they hold the
  // bought player: name, BW, ST, GE, RW, value and the abbreviation text.
  const PlayerBuilder& Builder() const { return m_Builder; }

  // After exec() == Accepted: the record a star slot receives (name, position "Starplayer",
  // BW, ST, GE, RW, value, abbreviations, code 222); nothing otherwise.
  std::optional<CKRSpieler> Result() const;

  static constexpr const char* kLayoutName = "StarplayerBauen";
  static constexpr const char* kListName = "StarplayerFertigkeiten";

 private:
  void BuildControls();
  void FillSkillList();
  void ReadControls();
  void ShowFields();
  void Recompute();
  void SkillClicked(QTreeWidgetItem* item);
  void Kaufen();

  PlayerBuilder m_Builder;
  int32_t m_nGold = 0;
  bool m_bAccepted = false;
  bool m_bUpdating = false;  // the dialog itself is writing into its controls

  QLabel* m_pKindLabel = nullptr;
  QLineEdit* m_pName = nullptr;
  QSpinBox* m_pBW = nullptr;
  QSpinBox* m_pST = nullptr;
  QSpinBox* m_pGE = nullptr;
  QSpinBox* m_pRW = nullptr;
  QTreeWidget* m_pSkills = nullptr;
  QPlainTextEdit* m_pDescription = nullptr;
  QLineEdit* m_pCounts[kBuilderCategoryCount] = {};
  QLineEdit* m_pDisadvantages = nullptr;
  QLineEdit* m_pPoints = nullptr;
  QLineEdit* m_pValue = nullptr;
  QLabel* m_pWarnings = nullptr;
  QCheckBox* m_pCard = nullptr;
  QPushButton* m_pKaufen = nullptr;
};

}  // namespace krv
