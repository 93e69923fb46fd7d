#pragma once
// "Personal ändern": one staff member's name (and career text) entered or changed. Also the
// name dialog of a new player or zombie. The caller fills the public fields, runs exec()
// and reads them back after OK.

#include <QDialog>
#include <QString>

#include "season/Staff.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace krv {

class StaffDialog : public QDialog {
  Q_OBJECT
 public:
  // exec() results.
  static constexpr int kIdOk = 1;        // "&Neu" or "&Ändern"
  static constexpr int kIdAbbruch = 2;   // "&Abbruch", Escape or the close button
  static constexpr int kIdLoeschen = 3;  // "&Löschen"

  static constexpr const char* kLayoutName = "Personal";

  explicit StaffDialog(QWidget* parent = nullptr);

  int exec() override;

  // Fields in.
  QString m_strName;        // the name (at most kMaxPersonalName characters)
  QString m_strLebenslauf;  // career text
  bool m_bNeu = true;       // new entry ("&Neu") or change ("&Ändern", with "&Löschen")
  PersonalArt m_nArt = kPersonalCoTrainer;
  // Fields out (after OK).
  QString m_strAlterName;            // the name as it was when the dialog opened
  bool m_bNameUnveraendert = false;  // the name equals the opening name without regard to case

 protected:
  void done(int result) override;

 private:
  void ShowFields();
  void CareerChanged();
  void ShowCareer(bool show);
  void Ok();

  QGroupBox* m_pNameGroup;
  QLineEdit* m_pName;
  QCheckBox* m_pZeigeLebenslauf;
  QPlainTextEdit* m_pLebenslauf;
  QPushButton* m_pOk;
  QPushButton* m_pLoeschen;
  QPushButton* m_pAbbruch;
};

}  // namespace krv
