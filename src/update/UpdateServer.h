#pragma once
// Where the update check asks: the server address from the settings, or from the environment
// variable KRV_UPDATE_SERVER, which wins (for testing a release before it goes out).

#include <cstdint>
#include <optional>
#include <string>

namespace krv {

// The files on the update server, all in the address's folder.
inline constexpr const char* kVersionFileName = "kr.ver";
inline constexpr const char* kFullSetupFileName = "kr.zip";
inline constexpr const char* kUpdateArchiveFileName = "krup.zip";

// The most a download may bring: the version file is a line of text, an archive a setup of a
// few megabytes. A server sending more (an endless answer, a wrong file) is stopped there.
constexpr uint64_t kMaxVersionFileBytes = 4096;
constexpr uint64_t kMaxArchiveBytes = uint64_t{100} << 20;
uint64_t MaxDownloadBytes(const std::string& fileName);
// "Die Datei kr.zip ist größer als 100 MB ...": the transfer was stopped at the limit.
std::string DownloadTooLargeText(const std::string& fileName, uint64_t limit);

// Where a redirect of the server may lead: the same host, and never from https back to
// plain http. The refusal text, or nothing when it may be followed.
std::optional<std::string> RedirectRefusal(const std::string& fromScheme, const std::string& fromHost,
                                           const std::string& toScheme, const std::string& toHost,
                                           const std::string& target);

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
