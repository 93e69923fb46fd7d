#pragma once
// An edit field for whole numbers shown with "." between groups of three digits
// (1.000.000); reading it takes only the digits of its text.

#include <QLineEdit>

namespace krv {

class NumberEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit NumberEdit(QWidget* parent = nullptr);

  void SetValue(qint64 value);
  // The digits of the text as a number; no digits give 0. Held at 999.999.999.999.
  qint64 Value() const;

 private:
  void Regroup();
};

}  // namespace krv
