#pragma once
// What a team needs from the program around it: questions, messages, sounds and refreshes.
// The window program implements it; tests use a fake that records every call.

#include <string>

namespace krv {

class TeamHost {
 public:
  virtual ~TeamHost() = default;

  // The deletion box ("Löschen", buttons "&Löschen" and "&Nein"); true only for "&Löschen".
  virtual bool ConfirmDeletion(const std::string& question) = 0;
  // A plain notice with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // Plays a file of the program's sound folder, e.g. "Sounds/Sa-geht.wav".
  virtual void PlaySoundFile(const std::string& path) = 0;
  // The staff list or the event list changed behind the pages' back.
  virtual void RefreshStaffAndEventsPages() = 0;
  // The document is now modified: its title gets " *".
  virtual void MarkDocumentModified() = 0;
  // The derived figures were recomputed: pages and header show them again.
  virtual void TeamRecalculated() = 0;
};

}  // namespace krv
