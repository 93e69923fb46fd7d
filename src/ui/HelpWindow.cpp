#include "ui/HelpWindow.h"

#include <algorithm>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include "ui/WindowPlacement.h"

namespace krv::HelpWindow {
namespace {

constexpr int kNarrowestHelp = 300;  // narrower than this, the help would be of no use beside the dialog

// A modal dialog blocks every window but its own: while one is open the help becomes a
// window of the dialog and goes back to being on its own when the dialog ends, so it stays open.
// True when the help was attached now.
bool AttachToModalDialog(QTextBrowser* window) {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal == window || window->parentWidget() == modal) return false;
  window->setParent(modal, Qt::Window);
  if (auto* dialog = qobject_cast<QDialog*>(modal))
    QObject::connect(dialog, &QDialog::finished, window, [window] {
      const QRect placed = window->geometry();
      window->setParent(nullptr, Qt::Window);
      window->setGeometry(placed);
      window->show();
    });
  return true;
}

void PlaceBesideDialog(QWidget* window, const QWidget* modal) {
  // On the side of the dialog with more room, narrowed to that room when it is wide enough.
  const QRect beside = modal->frameGeometry();
  if (!modal->screen()) return;
  const QRect screen = modal->screen()->availableGeometry();
  const int roomRight = screen.right() - beside.right();
  const int roomLeft = beside.left() - screen.left();
  const int room = std::max(roomRight, roomLeft);
  if (room < kNarrowestHelp) return;
  const int width = std::min(window->width(), room);
  const int left = roomRight >= roomLeft ? beside.right() + 1 : beside.left() - width;
  window->setGeometry(left, beside.top(), width, std::min(window->height(), screen.bottom() - beside.top()));
}

// Keeps the topic's heading at the top of the help while the window settles: placing it beside
// a dialog, or the window manager, may give it another width after it is shown, and a narrower
// window wraps the text above the heading and pushes it down.
class TopicAtTop : public QObject {
 public:
  static void Keep(QTextBrowser* window, const QString& anchor) {
    static QPointer<TopicAtTop> keeper;  // the one of the last topic shown
    delete keeper;
    keeper = new TopicAtTop(window, anchor);
    window->installEventFilter(keeper.data());
    keeper->Scroll();
    QTimer::singleShot(kSettleMs, keeper.data(), &QObject::deleteLater);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) QTimer::singleShot(0, this, &TopicAtTop::Scroll);
    return QObject::eventFilter(watched, event);
  }

 private:
  static constexpr int kSettleMs = 1000;

  TopicAtTop(QTextBrowser* window, QString anchor)
      : QObject(window), m_pWindow(window), m_strAnchor(std::move(anchor)) {}
  void Scroll() { m_pWindow->scrollToAnchor(m_strAnchor); }

  QTextBrowser* m_pWindow;
  QString m_strAnchor;
};

}  // namespace

void Show(const QString& helpFile, const QString& topic) {
  static QPointer<QTextBrowser> window;
  if (!window) {
    window = new QTextBrowser;
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A companion of the main window: the program ends with the main window, help or not.
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setWindowTitle(QStringLiteral("Krashball-Verwaltung – Hilfe"));
    window->setOpenExternalLinks(true);
    window->resize(1060, 720);  // the handbook's pictures are up to 1000 pixels wide
    RememberPlacement(window, QStringLiteral("Hilfe"));
  }
  QUrl url = QUrl::fromLocalFile(helpFile);
  if (topic.startsWith('#')) url.setFragment(topic.mid(1));
  const bool attached = AttachToModalDialog(window);
  window->setSource(url);
  window->show();
  // After show, so a placement remembered from an earlier run does not put it over the dialog.
  if (attached) PlaceBesideDialog(window, window->parentWidget());
  window->raise();
  window->activateWindow();
  if (url.hasFragment()) TopicAtTop::Keep(window, url.fragment());
}

}  // namespace krv::HelpWindow
