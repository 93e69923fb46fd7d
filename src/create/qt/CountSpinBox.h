#pragma once
// A number field with spin arrows for the creation dialog's counts. The arrows and the
// mouse wheel stay inside the field's range; typing accepts any number of up to two
// digits, so that the dialog can answer a value outside the range with its range message
// instead of silently swallowing the keystroke.

#include <QSpinBox>

namespace krv {

class CountSpinBox : public QSpinBox {
  Q_OBJECT
 public:
  explicit CountSpinBox(QWidget* parent = nullptr);

  // The range the arrows move in.
  void SetSpinRange(int low, int high);
  int SpinMinimum() const { return m_nLow; }
  int SpinMaximum() const { return m_nHigh; }

  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  int m_nLow = 0;
  int m_nHigh = 0;
};

}  // namespace krv
