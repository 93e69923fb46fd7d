#pragma once
// The files the program ships beside it or under share/krashball: the help handbook and the
// sounds it plays. The self-check of an installation looks for exactly these.

#include <string>
#include <vector>

namespace krv {

// The help handbook below the folder "Dok".
constexpr const char* kHelpFileName = "Hilfe.html";

// Every sound the program plays, below the folder "Sounds".
const std::vector<std::string>& ProgramSoundFiles();

// The shipped files missing from `dokFolder` and `soundFolder`, as paths; empty when complete.
std::vector<std::string> MissingProgramFiles(const std::string& dokFolder, const std::string& soundFolder);

}  // namespace krv
