#pragma once
// The version check: what the server's version file "kr.ver" offers, compared with the
// program's own version. The file is plain text; only its first 30 bytes count. Fields are
// separated by tab, comma or line feed: the version of the full setup ("kr.zip"), then that
// of the update archive ("krup.zip"), then one more that is not used.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

constexpr size_t kVersionFileBytes = 30;
constexpr size_t kMaxVersionFieldChars = 20;
constexpr size_t kMaxVersionFields = 3;
constexpr size_t kMaxVersionPartChars = 10;

// The fields of a version file: its first 30 bytes split at tab, comma and line feed, each
// field cut to 20 characters, at most three (what follows the third is ignored).
std::vector<std::string> VersionFileFields(std::string_view content);

// The comparison number of "major.minor.build": (10 × major + minor + 1) × 10000 + build, each
// part its leading digits (at most 10 characters; a missing part is 0; parts after the third
// are ignored). A version whose number does not fit in 32 signed bits gives 0, so that an
// overlong text never passes for a newer version.
int32_t VersionNumber(std::string_view version);

// "1.6.0": the program's own version text, as the window title shows it.
std::string OwnVersionText(long build = 0);

struct VersionOffer {
  bool readable = false;       // false: the file names no version at all (an error page, say)
  bool newer = false;          // false: "Es ist keine neuere Version verfügbar."
  std::string version;         // the offered version text, as the file names it
  std::string fileName;        // "kr.zip" or "krup.zip"
  bool updateArchive = false;  // the update archive is offered, not the full setup
};

// Field 1 is offered unless field 2's number is greater; it is newer only when its number
// is greater than the program's own. The file is readable when field 1 or 2 starts with a digit.
VersionOffer CompareVersions(std::string_view versionFile, std::string_view ownVersion);

// The command's texts.
inline constexpr const char* kNoNewerVersionText = "Es ist keine neuere Version verfügbar.";
inline constexpr const char* kVersionFileMissingText = "Konnte Datei nicht finden.";
inline constexpr const char* kVersionFileUnreadableText =
    "Die Versionsdatei \"kr.ver\" des Update-Servers konnte nicht gelesen werden: Sie enthält keine "
    "Versionsnummer.\nBitte prüfen Sie die Adresse des Update-Servers unter Ansicht - Einstellungen...";
std::string DownloadQuestion(const std::string& version);
std::string DownloadedMessage(const std::string& localPath);

}  // namespace krv
