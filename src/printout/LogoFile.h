#pragma once
// The team logo the coach chooses. The team sheet prints every common form of Windows bitmap,
// but the team refers to one in the classic form (the 40-byte header the program always read),
// so that older versions of the program and other readers of the team print it as well. A file
// in a later form is copied into that form; a file that is no bitmap is refused.

#include <string>

#include "model/ChangeOutcome.h"
#include "model/Team.h"

namespace krv {

// Where the classic copies go, below the data folder.
inline constexpr const char* kLogoCopyFolder = "Logos";

struct LogoFile {
  std::string path;     // the file the team is to refer to
  std::string refusal;  // why the chosen file cannot be the logo; empty when it can
};

// `chosen` itself when it is a classic bitmap; otherwise a classic copy written into
// `copyFolder` (created when missing) under the chosen file's name, or under "name (2).bmp"
// and so on when a different file has that name there already.
LogoFile PrepareLogoFile(const std::string& chosen, const std::string& copyFolder);

// The logo from the file the coach chose, refused with an error message when it is no bitmap
// the sheet can print; choosing the team's logo path again changes nothing (and reads nothing).
ChangeOutcome ChooseLogoFile(CKRTeam& team, const std::string& chosen, const std::string& copyFolder);

}  // namespace krv
