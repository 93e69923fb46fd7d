#pragma once
// Unsaved teams kept for a program that ends without closing its windows (a kill, a crash,
// a power cut). While a team window holds unsaved changes, its team is in a recovery file of
// the user's state folder, never beside the team file. The file names the team file and the
// program writing it, so that a later start tells a file left behind from one of a program
// still running.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Team.h"

namespace krv {

struct RecoveryRecord {
  int64_t pid = 0;           // the program that wrote it
  std::string processStart;  // when that program started, as the system counts it (a pid is reused)
  std::string teamPath;      // the team file; for a team never saved the proposed one
  bool neverSaved = false;
  std::string team;  // the team as its file would hold it
};

// "$XDG_STATE_HOME/krashball", else "~/.local/state/krashball".
std::string RecoveryFolder();

// A record of this program for the team.
RecoveryRecord OwnRecoveryRecord(std::string teamPath, bool neverSaved, std::string team);
// The recovery file of this program's team window number `serial` in `folder`.
std::string OwnRecoveryFile(const std::string& folder, int serial);

// Writes crash-safely, making the folder (only for the user) when missing; throws FileError.
void WriteRecoveryFile(const std::string& path, const RecoveryRecord& record);

// Reads a recovery file whole; throws FileError naming the file when it is not one.
RecoveryRecord ReadRecoveryFile(const std::string& path);
// The team of a record; throws FileError naming the recovery file when it cannot be read.
std::unique_ptr<CKRTeam> RecoveredTeam(const RecoveryRecord& record, const std::string& recoveryPath);

// Whether the program `pid` that started at `processStart` still runs.
bool ProgramRunning(int64_t pid, const std::string& processStart);

// A recovery file left behind by a program no longer running.
struct LeftRecovery {
  std::string path;
  RecoveryRecord record;
  std::string error;  // why it cannot be read; then `record` is empty
};
// The recovery files in `folder` whose program is gone, oldest first; unreadable ones with
// their error (a file of a running program is never among them).
std::vector<LeftRecovery> LeftRecoveries(const std::string& folder);

// Moves an unreadable recovery file aside (it is kept, never offered again) and returns where
// it is now; throws FileError.
std::string SetRecoveryFileAside(const std::string& path);

// The question on start and the message for an unreadable file.
std::string RecoveryQuestion(const std::string& teamPath);
std::string UnreadableRecoveryNotice(const std::string& error, const std::string& asidePath);

}  // namespace krv
