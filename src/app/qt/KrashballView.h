#pragma once
// The team window's content: the header with name, race, team value, treasury, re-rolls
// and fan factor in force.

#include <QWidget>

class QLineEdit;

namespace krv {

class KrashballDoc;

class CKrashballView : public QWidget {
  Q_OBJECT
 public:
  explicit CKrashballView(KrashballDoc* doc, QWidget* parent = nullptr);

  KrashballDoc* Document() const { return m_pDoc; }
  // Shows the team's figures again.
  void UpdateTeamHeader();

 private:
  void OnNameEdited(const QString& text);

  KrashballDoc* m_pDoc;
  QLineEdit* m_name;
  QLineEdit* m_race;
  QLineEdit* m_teamValue;
  QLineEdit* m_gold;
  QLineEdit* m_rerolls;
  QLineEdit* m_fanFactor;
};

}  // namespace krv
