#pragma once
// The application profile: window placements, list column widths, requester settings, the
// recovery switch.

#include <QSettings>

namespace krv {

inline QSettings AppSettings() {
  return QSettings(QStringLiteral("Krashball"), QStringLiteral("Krashball-Verwaltung"));
}

// "Ungesicherte Änderungen für den Notfall sichern": on unless the coach switched it off.
inline const QString kRecoveryKey = QStringLiteral("Verschiedenes/Notfallsicherung");
inline bool RecoveryEnabled() { return AppSettings().value(kRecoveryKey, true).toBool(); }
inline void SetRecoveryEnabled(bool enabled) { AppSettings().setValue(kRecoveryKey, enabled); }

}  // namespace krv
