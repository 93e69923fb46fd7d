#pragma once
// "Besondere Ereignisse" (placement "Besonder"): one special event, either the deduction
// of a team re-roll in a match (with the opponent picked from the system team list) or
// anything else. In change mode only the text can be changed.

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace krv {

class EventDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kLayoutName = "Besonder";

  explicit EventDialog(QWidget* parent = nullptr);

  int exec() override;

  // In and, after OK, out.
  int32_t m_nArt = 1;  // 0 deduction ("Abzug einer Trainingsmarke"), 1 other ("Sonsiges")
  QString m_strText;
  bool m_bAendern = false;
  std::function<std::optional<QString>()> m_PickTeam;

  QRadioButton* AbzugRadio() const { return m_pAbzug; }
  QRadioButton* SonstigesRadio() const { return m_pSonstiges; }
  QPlainTextEdit* TextEdit() const { return m_pText; }
  QToolButton* PickButton() const { return m_pPick; }
  QPushButton* OkButton() const { return m_pOk; }

 private:
  void KindChosen(int32_t kind);
  void Accept();

  QRadioButton* m_pAbzug;
  QRadioButton* m_pSonstiges;
  QPlainTextEdit* m_pText;
  QToolButton* m_pPick;
  QPushButton* m_pOk;
};

}  // namespace krv
