#include "teamwindow/qt/TeamRecovery.h"

#include <QDebug>
#include <unistd.h>

#include "history/RecoveryFiles.h"
#include "model/FileIO.h"
#include "teamwindow/qt/TeamDocument.h"
#include "ui/AppSettings.h"
#include "ui/FileNames.h"

namespace krv {
namespace {

int NextSerial() {
  static int serial = 0;
  return ++serial;
}

}  // namespace

TeamRecovery::TeamRecovery(TeamDocument& doc)
    : QObject(&doc), m_Doc(doc), m_strFile(OwnRecoveryFile(RecoveryFolder(), NextSerial())) {
  m_Timer.setSingleShot(true);
  m_Timer.setInterval(kDelay);
  connect(&m_Timer, &QTimer::timeout, this, &TeamRecovery::Update);
}

TeamRecovery::~TeamRecovery() { Remove(); }

void TeamRecovery::ChangeMade() { m_Timer.start(); }

void TeamRecovery::Update() {
  m_Timer.stop();
  if (!m_Doc.IsModified() || !RecoveryEnabled()) return Remove();
  try {
    WriteRecoveryFile(m_strFile,
                      OwnRecoveryRecord(FileNameBytes(m_Doc.PathName()), !m_Doc.HasOwnFile(), m_Doc.CurrentState()));
    m_bWritten = true;
  } catch (const std::exception& e) {
    // The coach is not interrupted for a safety copy; the team itself is still in memory.
    qWarning("%s", e.what());
  }
}

void TeamRecovery::Remove() {
  m_Timer.stop();
  if (m_bWritten) ::unlink(m_strFile.c_str());
  m_bWritten = false;
}

}  // namespace krv
