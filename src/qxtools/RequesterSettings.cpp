#include "qxtools/RequesterSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "qxtools/QXTools.h"
#include "qxtools/WindowPlacement.h"

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
  for (auto location :
       {QStandardPaths::HomeLocation, QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation,
        QStandardPaths::PicturesLocation, QStandardPaths::DownloadLocation}) {
    const QString folder = QDir::cleanPath(QStandardPaths::writableLocation(location));
    if (!folder.isEmpty() && QDir(folder).exists() && !folders.contains(folder)) folders << folder;
  }
  return folders;
}

void RememberPlacement(QWidget* window, const QString& layoutName) {
  QXTools::RememberWindowPlacement(window, layoutName, [] { return OpenSettings(); });
}

}  // namespace qxtools

namespace QXTools {

long GetLibVersion() { return 2; }

void SetSettingsLocation(const QString& organisation, const QString& application) {
  qxtools::Location() = {organisation, application};
}

}  // namespace QXTools
