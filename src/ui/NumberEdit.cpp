#include "ui/NumberEdit.h"

#include "model/Gold.h"

namespace krv {

namespace {
constexpr qint64 kLargest = 999'999'999'999;
}

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight);
  connect(this, &QLineEdit::editingFinished, this, &NumberEdit::Regroup);
}

void NumberEdit::SetValue(qint64 value) { setText(QString::fromStdString(FormatGoldNumber(value))); }

qint64 NumberEdit::Value() const {
  qint64 value = 0;
  for (const QChar c : text()) {
    if (!c.isDigit() || c.unicode() > '9') continue;
    value = value * 10 + (c.unicode() - '0');
    if (value > kLargest) return kLargest;
  }
  return value;
}

void NumberEdit::Regroup() { SetValue(Value()); }

}  // namespace krv
