#pragma once
// Keeps a team window's unsaved changes in a recovery file (history/RecoveryFiles.h) for a
// program that ends without closing its windows: written two seconds after the last change,
// so that typing never waits for it, and removed once nothing is unsaved any more.

#include <QObject>
#include <QTimer>
#include <string>

namespace krv {

class TeamDocument;

class TeamRecovery : public QObject {
  Q_OBJECT
 public:
  explicit TeamRecovery(TeamDocument& doc);
  ~TeamRecovery() override;

  // The team changed (or was saved, or a step was taken back): the file follows soon.
  void ChangeMade();
  // Writes or removes the file now, as the team stands.
  void Update();
  // Nothing of the team needs keeping any more (saved, closed without saving, read again).
  void Remove();
  // A write is waiting for the delay to end.
  bool Pending() const { return m_Timer.isActive(); }

  // The delay after the last change, in milliseconds.
  static constexpr int kDelay = 2000;

 private:
  TeamDocument& m_Doc;
  QTimer m_Timer;
  std::string m_strFile;  // this window's recovery file
  bool m_bWritten = false;
};

}  // namespace krv
