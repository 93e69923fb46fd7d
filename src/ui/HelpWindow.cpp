#include "ui/HelpWindow.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "ui/WindowPlacement.h"

namespace krv::HelpWindow {

void Show(const QString& helpFile, const QString& topic) {
  static QPointer<QTextBrowser> window;
  if (!window) {
    window = new QTextBrowser;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Krashball-Verwaltung – Hilfe"));
    window->setOpenExternalLinks(true);
    window->resize(1060, 720);  // the handbook's pictures are up to 1000 pixels wide
    RememberPlacement(window, QStringLiteral("Hilfe"));
  }
  QUrl url = QUrl::fromLocalFile(helpFile);
  if (topic.startsWith('#')) url.setFragment(topic.mid(1));
  window->setSource(url);
  if (url.hasFragment()) window->scrollToAnchor(url.fragment());
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace krv::HelpWindow
