#pragma once
// krv pdf: the team sheet and the match list of a team file as a PDF, without a window.

#include <string>
#include <vector>

namespace krv {

extern const char* const kPdfUsage;

// Runs "krv pdf" with the arguments after "pdf". Returns 0 when the PDF was written, 2 for
// a malformed call; an unreadable team file or an unwritable output is thrown as FileError
// (and no output file is left behind).
int RunPdfCommand(const std::vector<std::string>& args);

}  // namespace krv
