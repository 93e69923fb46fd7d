#pragma once
// "Drucken": which pages of the printout to print. A coach who prints on both sides of the
// paper prints the team sheet, then the even match pages, turns the stack and prints the odd
// ones.

#include <QDialog>

#include "printout/PagePlan.h"

class QRadioButton;

namespace krv {

class PrintChoiceDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PrintChoiceDialog(PrintMode mode, QWidget* parent = nullptr);

  // The chosen mode, read after "&Start".
  PrintMode Mode() const;

 private:
  QRadioButton* m_pModes[kPrintModeCount];
};

}  // namespace krv
