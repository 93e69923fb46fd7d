#pragma once
// Where the update check asks: the server address from the settings, or from the environment
// variable KRV_UPDATE_SERVER, which wins (for testing a release before it goes out).

#include <string>

namespace krv {

// The files on the update server, all in the address's folder.
inline constexpr const char* kVersionFileName = "kr.ver";
inline constexpr const char* kFullSetupFileName = "kr.zip";
inline constexpr const char* kUpdateArchiveFileName = "krup.zip";

// The address in use, trimmed of blanks; "" when neither is set. `environment` may be null.
std::string EffectiveUpdateServer(const char* environment, const std::string& stored);

// The address of a file on the server: "http://" is put in front of an address without a
// scheme, and exactly one "/" joins address and file name.
std::string UpdateFileUrl(const std::string& server, const std::string& fileName);

// Where the downloaded files go: the program's folder when it may be written to, else the
// user's download folder.
std::string UpdateDownloadFolder(const std::string& programFolder, bool programFolderWritable,
                                 const std::string& downloadFolder);

// The command's answer when no address is set.
inline constexpr const char* kNoUpdateServerText =
    "Es ist kein Update-Server eingetragen.\n"
    "Bitte tragen Sie seine Adresse unter Ansicht - Einstellungen... auf der Seite \"Verschiedenes\" ein.";

// The command's answer when the address is no usable http or https address.
std::string InvalidUpdateServerText(const std::string& server);

}  // namespace krv
