#pragma once
// Fields that only show a value take the window's colour, so they do not invite typing.

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace krv {

inline void SetReadOnlyLook(QLineEdit* field, bool readOnly = true) {
  field->setReadOnly(readOnly);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, QApplication::palette(field).color(readOnly ? QPalette::Window : QPalette::Base));
  field->setPalette(palette);
}

}  // namespace krv
