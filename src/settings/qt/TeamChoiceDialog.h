#pragma once
// "Team-Auswahl": picks one name of the system team list, shown sorted. "&Nehmen" only
// with a name selected; a double click on a name takes it at once.

#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace krv {

class TeamChoiceDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLayoutName = "TeamAuswahlListe";

  TeamChoiceDialog(const std::vector<std::string>& names, QWidget* parent = nullptr);

  // The name taken with "&Nehmen" (empty until then).
  QString m_strGewaehlt;

  QListWidget* List() const { return m_pList; }
  QPushButton* NehmenButton() const { return m_pNehmen; }

 private:
  void Take();

  QListWidget* m_pList;
  QPushButton* m_pNehmen;
};

// Runs the selection; the chosen name, or nothing when the coach cancelled.
std::optional<QString> PickTeam(QWidget* parent, const std::vector<std::string>& names);

}  // namespace krv
