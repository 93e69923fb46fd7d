#pragma once
// Page "Sonstiges" of the properties sheet: the team's special events ("Besonderheiten")
// with the commands for new, deleted and changed events, and the team logo's path with the
// button that chooses or removes the logo.

#include "teamwindow/qt/RecordListPage.h"

class QLabel;

namespace krv {

class EventsModel;

class MiscPage : public RecordListPage {
  Q_OBJECT
 public:
  explicit MiscPage(TeamDocument* doc, QWidget* parent = nullptr);

  EventsModel* Model() const { return m_pModel; }
  // The logo path as the page keeps it (the field shows it cut to fit, ending in "…").
  QString LogoPath() const { return m_strLogo; }

 protected:
  // The logo path as the team has it now.
  void ShowFields() override;

 private:
  EventsModel* m_pModel;
  QLabel* m_pLogo;
  QString m_strLogo;
};

}  // namespace krv
