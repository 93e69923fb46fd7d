#pragma once
// German texts for the system errors a coach can meet when reading or writing files.

#include <string>

namespace krv {

// One sentence for errno `error`, e.g. "Kein Speicherplatz mehr auf dem Datenträger.";
// errors a coach hardly meets keep their number and the system's own wording.
std::string SystemErrorText(int error);

}  // namespace krv
