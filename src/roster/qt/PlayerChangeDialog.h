#pragma once
// "Spielerwerte ändern": one active player's values on the page "Spielerwert ändern" and his
// career log on the page "Lebenslauf". The sheet only reads the player. OK checks the ranges
// (a value out of range keeps the sheet open with the field in focus) and closes with the
// values, which the command hands to the core; the skills field's context-menu commands
// leave a skill text that the command stores even when the sheet is cancelled.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "roster/PlayerChange.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace krv {

class PlayerChangeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PlayerChangeDialog(const CKRSpieler& player, QWidget* parent = nullptr);

  static constexpr const char* kLayoutName = "PlayerSheet";
  static constexpr const char* kHelpTopic = "#PLAYER_CHANGE";

  // After exec() == Accepted: the values to store.
  const PlayerChange& Values() const { return m_Values; }
  // The skill text the context-menu commands left, to be stored whatever the sheet's end;
  // nothing when neither was used.
  const std::optional<std::string>& SkillsSetAtOnce() const { return m_SkillsSetAtOnce; }

  // The skills field's two context-menu commands (also reached from tests).
  void DeleteSkills();    // "Fertigkeiten löschen..."
  void EditSkillTexts();  // "Fertigkeitentexte ändern"
  // Where "Fertigkeitentexte ändern" gets its text; tests replace it. Nothing: cancelled.
  using AskTextFunction = std::function<std::optional<QString>(QWidget* parent, const QString& current)>;
  static void SetAskTextFunction(AskTextFunction function);

 protected:
  void accept() override;

 private:
  QWidget* BuildValuesPage();
  QWidget* BuildCareerPage();
  QLineEdit* AddNumber(const char* objectName, const char* toolTip);
  void ShowValues();
  PlayerChange ReadValues() const;
  void ChooseNewSkills();
  void UpdateImprovements();
  QLineEdit* FieldOf(ChangeField field) const;

  const CKRSpieler& m_Player;
  PlayerChange m_Values;
  std::optional<std::string> m_SkillsSetAtOnce;

  QTabWidget* m_pTabs = nullptr;
  QLineEdit* m_pNummer = nullptr;
  QLineEdit* m_pName = nullptr;
  QLineEdit* m_pPosition = nullptr;
  QPlainTextEdit* m_pFertigkeiten = nullptr;
  QPushButton* m_pNeu = nullptr;
  QLineEdit* m_pBW = nullptr;
  QLineEdit* m_pST = nullptr;
  QLineEdit* m_pGE = nullptr;
  QLineEdit* m_pRW = nullptr;
  QLineEdit* m_pVerletzung = nullptr;
  QLineEdit* m_pPass = nullptr;
  QLineEdit* m_pTD = nullptr;
  QLineEdit* m_pABG = nullptr;
  QLineEdit* m_pVSA = nullptr;
  QLineEdit* m_pSDT = nullptr;
  QLineEdit* m_pSSP = nullptr;
  QLineEdit* m_pSteigerungen = nullptr;
  QPlainTextEdit* m_pLebenslauf = nullptr;
};

}  // namespace krv
