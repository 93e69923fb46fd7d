#include "qxtools/RequesterSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include "qxtools/QXTools.h"

namespace qxtools {
namespace {

struct SettingsLocation {
  QString organisation;
  QString application;
};

SettingsLocation& Location() {
  static SettingsLocation location;
  return location;
}

constexpr auto kSection = "QXGUI";

// Opens the section of one mode ("QXGUI/OPEN").
void BeginMode(QSettings& settings, const QString& mode) {
  settings.beginGroup(QLatin1String(kSection));
  settings.beginGroup(mode);
}

class PlacementKeeper : public QObject {
 public:
  PlacementKeeper(QWidget* window, const QString& name) : QObject(window), m_window(window), m_name(name) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_window) {
      if (event->type() == QEvent::Show && !m_restored) {
        m_restored = true;
        Restore();
      } else if (event->type() == QEvent::Hide) {
        Store();
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Restore() {
    QSettings settings = OpenSettings();
    settings.beginGroup(m_name);
    const int left = settings.value("Left", -1000).toInt();
    if (left == -1000) return;  // never stored: keep the window's own size
    const QRect rect(QPoint(left, settings.value("Top").toInt()),
                     QPoint(settings.value("Right").toInt() - 1, settings.value("Bottom").toInt() - 1));
    if (!rect.isValid()) return;
    m_window->resize(rect.size().expandedTo(m_window->minimumSizeHint()));
    for (const QScreen* screen : QGuiApplication::screens())
      if (screen->availableGeometry().intersects(rect)) {
        m_window->move(rect.topLeft());
        return;
      }
  }

  void Store() const {
    QSettings settings = OpenSettings();
    settings.beginGroup(m_name);
    const QRect frame = m_window->geometry();
    settings.setValue("ShowCmd", m_window->isMaximized() ? 3 : 1);
    settings.setValue("Left", frame.left());
    settings.setValue("Top", frame.top());
    settings.setValue("Right", frame.right() + 1);
    settings.setValue("Bottom", frame.bottom() + 1);
  }

  QWidget* m_window;
  QString m_name;
  bool m_restored = false;
};

}  // namespace

QSettings OpenSettings() {
  const SettingsLocation& location = Location();
  if (!location.organisation.isEmpty() || !location.application.isEmpty())
    return QSettings(location.organisation, location.application);
  if (!QCoreApplication::organizationName().isEmpty() || !QCoreApplication::applicationName().isEmpty())
    return QSettings();
  return QSettings(QStringLiteral("QXTools"), QStringLiteral("QXTools"));
}

ViewSettings LoadViewSettings(const QString& mode) {
  QSettings settings = OpenSettings();
  BeginMode(settings, mode);
  ViewSettings view;
  if (!settings.value("Details2", true).toBool())
    view.view = settings.value("Symbole", false).toBool() ? ListView::Icons : ListView::List;
  view.treeShown = settings.value("TreeView", true).toBool();
  return view;
}

void StoreViewSettings(const QString& mode, const ViewSettings& view) {
  QSettings settings = OpenSettings();
  BeginMode(settings, mode);
  settings.setValue("Details2", view.view == ListView::Details);
  settings.setValue("Symbole", view.view == ListView::Icons);
  settings.setValue("TreeView", view.treeShown);
}

QStringList LoadFavourites(const QString& mode) {
  QSettings settings = OpenSettings();
  BeginMode(settings, mode);
  if (!settings.contains("FAVORITEN_ANZ")) return StandardFavourites();
  const long count = settings.value("FAVORITEN_ANZ").toLongLong();
  QStringList folders;
  for (long i = 0; i < count && i < 1000; ++i) {
    const QString folder = settings.value(QStringLiteral("S%1").arg(i)).toString();
    if (!folder.isEmpty()) folders << folder;
  }
  return folders;
}

void StoreFavourites(const QString& mode, const QStringList& folders) {
  QSettings settings = OpenSettings();
  BeginMode(settings, mode);
  const long before = settings.value("FAVORITEN_ANZ", 0).toLongLong();
  settings.setValue("FAVORITEN_ANZ", static_cast<qlonglong>(folders.size()));
  for (qsizetype i = 0; i < folders.size(); ++i) settings.setValue(QStringLiteral("S%1").arg(i), folders[i]);
  for (long i = folders.size(); i < before && i < 1000; ++i) settings.remove(QStringLiteral("S%1").arg(i));
}

QStringList StandardFavourites() {
  QStringList folders;
  for (auto location : {QStandardPaths::HomeLocation, QStandardPaths::DesktopLocation,
                        QStandardPaths::DocumentsLocation, QStandardPaths::PicturesLocation,
                        QStandardPaths::DownloadLocation}) {
    const QString folder = QDir::cleanPath(QStandardPaths::writableLocation(location));
    if (!folder.isEmpty() && QDir(folder).exists() && !folders.contains(folder)) folders << folder;
  }
  return folders;
}

void RememberPlacement(QWidget* window, const QString& layoutName) {
  if (!window || layoutName.isEmpty()) return;
  new PlacementKeeper(window, layoutName);
}

}  // namespace qxtools

namespace QXTools {

long GetLibVersion() { return 2; }

void SetSettingsLocation(const QString& organisation, const QString& application) {
  qxtools::Location() = {organisation, application};
}

}  // namespace QXTools
