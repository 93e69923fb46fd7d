#pragma once
// "Neues Spiel": one match entered or changed: opponent (completed from the system team
// list while typing, or picked from it), score with the result word, date ("xx.xx.xx" for
// an unknown one), spectators, takings, fan-factor change, injuries, remark, league flag and
// whether the takings go into the income ledger.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "season/MatchEntry.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace krv {

class NumberEdit;

class MatchDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLayoutName = "NeuesSpiel";

  // `teamList`: the system team list, for the completion.
  explicit MatchDialog(std::vector<std::string> teamList, QWidget* parent = nullptr);

  int exec() override;

  // In and, after OK, out. A new match starts with today's date and takes its takings into
  // the income ledger; for a change the page fills the match and switches that off.
  MatchEntry m_Entry;
  bool m_bEditMode = false;
  std::function<std::optional<QString>()> m_PickTeam;

  QLineEdit* GegnerEdit() const { return m_pGegner; }
  QLineEdit* EigeneToreEdit() const { return m_pEigene; }
  QLineEdit* GegnerToreEdit() const { return m_pAndere; }
  QLabel* ResultLabel() const { return m_pErgebnis; }
  QLineEdit* DatumEdit() const { return m_pDatum; }
  NumberEdit* ZuschauerEdit() const { return m_pZuschauer; }
  NumberEdit* EinnahmenEdit() const { return m_pEinnahmen; }
  QComboBox* FanCombo() const { return m_pFans; }
  QCheckBox* LigaCheck() const { return m_pLiga; }
  QCheckBox* EinnahmenCheck() const { return m_pInEinnahmen; }
  QPushButton* OkButton() const { return m_pOk; }

 private:
  void ShowFields();
  void ShowResult();
  void OpponentEdited(const QString& text);
  void DateEdited(const QString& text);
  bool ReadScore(QLineEdit* edit, int32_t& score);
  void Accept();

  std::vector<std::string> m_TeamList;
  OpponentTyping m_OpponentTyping;  // what the completion keeps between two changes
  QLineEdit* m_pGegner;
  QToolButton* m_pPick;
  QLineEdit* m_pEigene;
  QLineEdit* m_pAndere;
  QLabel* m_pErgebnis;
  QLineEdit* m_pDatum;
  NumberEdit* m_pZuschauer;
  NumberEdit* m_pEinnahmen;
  QComboBox* m_pFans;
  QLineEdit* m_pVerletzungen;
  QPlainTextEdit* m_pBesonderheit;
  QCheckBox* m_pLiga;
  QCheckBox* m_pInEinnahmen;
  QPushButton* m_pOk;
};

}  // namespace krv
