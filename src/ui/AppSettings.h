#pragma once
// The application profile: window placements, list column widths, requester settings.

#include <QSettings>

namespace krv {

inline QSettings AppSettings() {
  return QSettings(QStringLiteral("Krashball"), QStringLiteral("Krashball-Verwaltung"));
}

}  // namespace krv
