// The floor of the start-up measurement (bench/startup_time.sh): the least a Qt program does to
// put a main window with a menu bar and a status bar on the screen, shown maximised as the
// Krashball-Verwaltung shows its own. Whatever the program takes beyond this is its own doing.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Leeres Qt-Hauptfenster"));
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&Datei"));
  file->addAction(QStringLiteral("&Beenden"), &window, &QWidget::close);
  window.statusBar()->showMessage(QStringLiteral("Bereit"));
  window.showMaximized();
  return QApplication::exec();
}
