#include "update/UpdateServer.h"

#include <algorithm>
#include <cctype>

#include "update/TransferTexts.h"

namespace krv {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

}  // namespace

uint64_t MaxDownloadBytes(const std::string& fileName) {
  return fileName == kVersionFileName ? kMaxVersionFileBytes : kMaxArchiveBytes;
}

std::string DownloadTooLargeText(const std::string& fileName, uint64_t limit) {
  return "Die Datei \"" + fileName + "\" ist größer als " + SizeText(limit) +
         " und wird nicht geladen; so groß ist keine Datei der Krashball-Verwaltung.\n"
         "Bitte prüfen Sie die Adresse des Update-Servers.";
}

std::optional<std::string> RedirectRefusal(const std::string& fromScheme, const std::string& fromHost,
                                           const std::string& toScheme, const std::string& toHost,
                                           const std::string& target) {
  const std::string start = "Der Update-Server leitet weiter nach\n" + target + "\n";
  if (Lower(toHost) != Lower(fromHost))
    return start + "Dieser Weiterleitung zu einem anderen Server wird nicht gefolgt.";
  if (Lower(fromScheme) == "https" && Lower(toScheme) != "https")
    return start +
           "Dieser Weiterleitung von einer sicheren (https) zu einer unverschlüsselten Verbindung wird nicht "
           "gefolgt.";
  return std::nullopt;
}

std::string EffectiveUpdateServer(const char* environment, const std::string& stored) {
  if (environment) {
    const std::string fromEnvironment = Trimmed(environment);
    if (!fromEnvironment.empty()) return fromEnvironment;
  }
  return Trimmed(stored);
}

std::string UpdateFileUrl(const std::string& server, const std::string& fileName) {
  std::string url = server.find("://") == std::string::npos ? "http://" + server : server;
  while (!url.empty() && url.back() == '/') url.pop_back();
  return url + "/" + fileName;
}

std::string UpdateDownloadFolder(const std::string& programFolder, bool programFolderWritable,
                                 const std::string& downloadFolder) {
  return programFolderWritable || downloadFolder.empty() ? programFolder : downloadFolder;
}

std::string InvalidUpdateServerText(const std::string& server) {
  return "Die Adresse des Update-Servers \"" + server +
         "\" ist keine gültige http- oder https-Adresse.\n"
         "Bitte korrigieren Sie sie unter Ansicht - Einstellungen... auf der Seite \"Verschiedenes\".";
}

}  // namespace krv
