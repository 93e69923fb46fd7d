#include "app/qt/RecoveryOffer.h"

#include <unistd.h>

#include "app/qt/MainWindow.h"
#include "app/qt/ProgramIcon.h"
#include "history/RecoveryFiles.h"
#include "model/FileIO.h"
#include "ui/FileNames.h"
#include "ui/MessageBoxes.h"

namespace krv {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The unreadable file goes aside, and the coach is told where it is.
void ReportUnreadable(MainWindow& frame, const std::string& path, const std::string& error) {
  std::string aside = path;
  try {
    aside = SetRecoveryFileAside(path);
  } catch (const FileError&) {
    // It stays where it is under its own name, which the message gives.
  }
  ErrorBox(&frame, Q(UnreadableRecoveryNotice(error, aside)));
}

}  // namespace

int OfferRecoveredTeams(MainWindow& frame) {
  int opened = 0;
  for (const LeftRecovery& left : LeftRecoveries(RecoveryFolder())) {
    UseProgramIcon();  // the boxes come before the main window has set it
    if (!left.error.empty()) {
      ReportUnreadable(frame, left.path, left.error);
      continue;
    }
    std::unique_ptr<CKRTeam> team;
    try {
      team = RecoveredTeam(left.record, left.path);
    } catch (const FileError& e) {
      ReportUnreadable(frame, left.path, e.what());
      continue;
    }
    if (QuestionBox(&frame, Q(RecoveryQuestion(left.record.teamPath))) &&
        frame.OpenRecoveredTeam(std::move(team), FileNameFromBytes(left.record.teamPath), left.record.neverSaved))
      ++opened;
    // "Ja": the window keeps the team in a recovery file of its own by now.
    ::unlink(left.path.c_str());
  }
  return opened;
}

}  // namespace krv
