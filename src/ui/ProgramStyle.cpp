#include "ui/ProgramStyle.h"

#include <QApplication>
#include <QImage>

namespace krv {

QPixmap ProgramStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap, const QStyleOption* option) const {
  if (mode != QIcon::Disabled) return QProxyStyle::generatedIconPixmap(mode, pixmap, option);
  // Grey, lighter and half transparent: the picture sinks into the button face.
  QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = 128 + qGray(line[x]) / 2;
      line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 45 / 100);
    }
  }
  QPixmap result = QPixmap::fromImage(image);
  result.setDevicePixelRatio(pixmap.devicePixelRatio());
  return result;
}

void InstallProgramStyle() {
  if (dynamic_cast<ProgramStyle*>(QApplication::style())) return;
  // The proxy takes the application's style as its base; the application owns the proxy.
  QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
}

}  // namespace krv
