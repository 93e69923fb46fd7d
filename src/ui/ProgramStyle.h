#pragma once
// The program's look over the toolkit's style: a disabled button or command shows its picture
// grey and faded, so that it never looks usable (the toolkit's own disabled pictures keep
// much of their colour).

#include <QProxyStyle>

namespace krv {

class ProgramStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  QPixmap generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap, const QStyleOption* option) const override;
};

// Puts the program's look over the application's current style; once, after the application
// object exists.
void InstallProgramStyle();

}  // namespace krv
