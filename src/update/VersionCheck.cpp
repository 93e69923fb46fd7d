#include "update/VersionCheck.h"

#include <cstdio>
#include <limits>

#include "update/UpdateServer.h"

namespace krv {

std::vector<std::string> VersionFileFields(std::string_view content) {
  content = content.substr(0, kVersionFileBytes);
  std::vector<std::string> fields;
  size_t start = 0;
  while (start <= content.size() && fields.size() < kMaxVersionFields) {
    size_t end = content.find_first_of("\t,\n", start);
    if (end == std::string_view::npos) end = content.size();
    std::string field(content.substr(start, std::min(end - start, kMaxVersionFieldChars)));
    while (!field.empty() && (field.back() == '\r' || field.back() == ' ')) field.pop_back();  // CR LF files
    fields.push_back(std::move(field));
    start = end + 1;
  }
  // A file ending in a line feed has no empty field after it.
  while (!fields.empty() && fields.back().empty()) fields.pop_back();
  return fields;
}

int32_t VersionNumber(std::string_view version) {
  long long parts[3] = {0, 0, 0};
  size_t start = 0;
  for (long long& part : parts) {
    if (start > version.size()) break;
    size_t end = version.find('.', start);
    if (end == std::string_view::npos) end = version.size();
    const std::string_view text = version.substr(start, std::min(end - start, kMaxVersionPartChars));
    for (char c : text) {  // leading digits; ten of them stay far below 64 bits
      if (c < '0' || c > '9') break;
      part = part * 10 + (c - '0');
    }
    start = end + 1;
  }
  const long long number = (10 * parts[0] + parts[1] + 1) * 10000 + parts[2];
  return number > std::numeric_limits<int32_t>::max() ? 0 : static_cast<int32_t>(number);
}

std::string OwnVersionText(long build) { return "1.6." + std::to_string(build); }

VersionOffer CompareVersions(std::string_view versionFile, std::string_view ownVersion) {
  const std::vector<std::string> fields = VersionFileFields(versionFile);
  VersionOffer offer;
  offer.version = fields.empty() ? std::string() : fields[0];
  offer.fileName = kFullSetupFileName;
  if (fields.size() > 1 && VersionNumber(fields[1]) > VersionNumber(offer.version)) {
    offer.version = fields[1];
    offer.fileName = kUpdateArchiveFileName;
    offer.updateArchive = true;
  }
  auto isVersion = [](const std::string& field) { return !field.empty() && field[0] >= '0' && field[0] <= '9'; };
  offer.readable = (!fields.empty() && isVersion(fields[0])) || (fields.size() > 1 && isVersion(fields[1]));
  offer.newer = offer.readable && VersionNumber(offer.version) > VersionNumber(ownVersion);
  return offer;
}

std::string DownloadQuestion(const std::string& version) {
  return "Die Version " + version + " ist erschienen.\nWollen Sie sie downloaden?";
}

std::string DownloadedMessage(const std::string& localPath) {
  return "Das neue Setup wurde als\n" + localPath +
         "\nabgelegt.\n\nBitte beenden Sie erst diese Programm bevor Sie\ndas Setup starten.";
}

}  // namespace krv
