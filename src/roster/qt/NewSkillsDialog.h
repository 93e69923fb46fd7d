#pragma once
// "Neue Fertigkeiten": the coach picks the skills a player has learned. A click shows a
// skill's rule text, a double click chooses it; "&Übernehmen" hands the chosen
// abbreviations over, each after a ",".

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace krv {

class NewSkillsDialog : public QDialog {
  Q_OBJECT
 public:
  // `currentSkills`: the player's skill text as the sheet shows it now.
  explicit NewSkillsDialog(const std::string& currentSkills, QWidget* parent = nullptr);

  // After "&Übernehmen": "," before each chosen abbreviation the player does not have yet.
  std::string Result() const;

  static constexpr const char* kLayoutName = "NeueFertigkeiten";
  static constexpr const char* kSplitterName = "FertigkeitenSplitter";
  static constexpr int kSplitterDefault = 60;  // the list's share of the width, in percent

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowDescription(QTreeWidgetItem* item);
  void Choose(QTreeWidgetItem* item);
  void Loeschen();
  void RestoreSplitter();

  std::string m_strCurrentSkills;
  std::vector<std::string> m_Chosen;
  QTreeWidget* m_pList;
  QPlainTextEdit* m_pDescription;
  QListWidget* m_pChosen;
  QPushButton* m_pUebernehmen;
  QSplitter* m_pSplitter;
};

}  // namespace krv
