#pragma once
// The team file (.krt): the team and all its records in the object archive.
// Versions 1 to 4 are read; version 4 is written.

#include <memory>
#include <string>
#include <string_view>

#include "model/Team.h"

namespace krv {

constexpr int32_t kTeamFileVersion = 4;

// Writes the team as it stands (the caller recomputes the figures first) and sets its
// version to 4. `replacedCharacters` receives the number of characters that Windows-1252
// cannot hold and that were written as "?".
std::string SerializeTeam(CKRTeam& team, size_t* replacedCharacters = nullptr);

// Fills a freshly constructed team from the bytes of a team file; throws ArchiveError.
void DeserializeTeam(std::string_view bytes, CKRTeam& team);

// Reads a team file into a new team; throws FileError with a message naming the file.
std::unique_ptr<CKRTeam> LoadTeamFile(const std::string& path);

struct SaveResult {
  size_t replacedCharacters = 0;  // characters written as "?"
};

// Writes the team file crash-safely (see WriteFileAtomically); throws FileError.
SaveResult SaveTeamFile(CKRTeam& team, const std::string& path);

// The German notice for a save that had to replace characters, or "" when none were.
std::string ReplacedCharactersNotice(const std::string& path, size_t replacedCharacters);

}  // namespace krv
