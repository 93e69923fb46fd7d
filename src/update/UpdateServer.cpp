#include "update/UpdateServer.h"

namespace krv {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

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
