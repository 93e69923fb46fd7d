#include "create/qt/CountSpinBox.h"

#include <algorithm>

namespace krv {

namespace {
constexpr int kLargestTyped = 99;  // two digits
}

CountSpinBox::CountSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(0, kLargestTyped);
  setAlignment(Qt::AlignRight);
}

void CountSpinBox::SetSpinRange(int low, int high) {
  m_nLow = low;
  m_nHigh = std::max(low, high);
  update();
}

void CountSpinBox::stepBy(int steps) {
  const int next = std::clamp(value() + steps, m_nLow, m_nHigh);
  if (next != value()) setValue(next);
  selectAll();
}

QAbstractSpinBox::StepEnabled CountSpinBox::stepEnabled() const {
  if (isReadOnly() || !isEnabled()) return StepNone;
  StepEnabled enabled = StepNone;
  if (value() > m_nLow) enabled |= StepDownEnabled;
  if (value() < m_nHigh) enabled |= StepUpEnabled;
  return enabled;
}

}  // namespace krv
