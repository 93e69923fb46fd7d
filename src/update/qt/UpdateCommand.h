#pragma once
// "Test auf neue Version...": fetches the version file from the update server, compares,
// asks, and downloads the newer setup into the program's folder (or the download folder).

class QWidget;

namespace krv {

class ProgramServices;

void OnCheckForUpdate(QWidget* parent, ProgramServices& services);

}  // namespace krv
