#pragma once
// Makes the quick-help windows (tooltips) of every window follow the settings at once:
// "Keine Schnellhilfe", "Sanft einblenden" and "Hilfe nur einmal anzeigen".

namespace krv {

class ProgramServices;

void InstallQuickHelpSettings(ProgramServices* services);

}  // namespace krv
