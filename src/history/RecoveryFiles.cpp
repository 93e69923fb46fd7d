#include "history/RecoveryFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "model/FileIO.h"
#include "model/SystemErrors.h"
#include "history/TeamState.h"

namespace krv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMagic = "Krashball-Notfallsicherung 1\n";
constexpr const char* kExtension = ".notfall";
constexpr const char* kAsideExtension = ".unlesbar";
constexpr size_t kMaxPathBytes = 65536;

// Field 22 of /proc/<pid>/stat: the start time in clock ticks since boot; "" when gone.
std::string ProcessStartOf(const std::string& pid) {
  std::string stat;
  try {
    stat = ReadWholeFile("/proc/" + pid + "/stat", 4096);
  } catch (const FileError&) {
    return {};
  }
  const size_t name = stat.rfind(')');  // the program name may hold blanks and brackets
  if (name == std::string::npos) return {};
  std::istringstream fields(stat.substr(name + 1));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i)
    if (i == 22) return field;
  return {};
}

FileError NotRecovery(const std::string& path, const std::string& why) {
  return FileError(FileMessage(path, "Das ist keine lesbare Notfallsicherung (" + why + ")."));
}

}  // namespace

std::string RecoveryFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state && *state == '/') return std::string(state) + "/krashball";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.local/state/krashball";
}

RecoveryRecord OwnRecoveryRecord(std::string teamPath, bool neverSaved, std::string team) {
  static const std::string start = ProcessStartOf("self");  // the program's own start never changes
  return {static_cast<int64_t>(::getpid()), start, std::move(teamPath), neverSaved, std::move(team)};
}

std::string OwnRecoveryFile(const std::string& folder, int serial) {
  return folder + "/" + std::to_string(::getpid()) + "-" + std::to_string(serial) + kExtension;
}

void WriteRecoveryFile(const std::string& path, const RecoveryRecord& record) {
  const std::string folder = fs::path(path).parent_path().string();
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) throw FileError(FileMessage(folder, SystemErrorText(error.value())));
  ::chmod(folder.c_str(), S_IRWXU);  // unsaved teams are the user's alone
  std::string bytes = kMagic;
  bytes += std::to_string(record.pid) + " " + record.processStart + "\n";
  bytes += std::to_string(record.teamPath.size()) + " " + (record.neverSaved ? "1" : "0") + "\n";
  bytes += record.teamPath;
  bytes += record.team;
  WriteFileAtomically(path, bytes);
}

RecoveryRecord ReadRecoveryFile(const std::string& path) {
  const std::string bytes = ReadWholeFile(path);
  if (bytes.rfind(kMagic, 0) != 0) throw NotRecovery(path, "Kennung fehlt");
  std::istringstream head(bytes.substr(std::char_traits<char>::length(kMagic), 200));
  RecoveryRecord record;
  size_t pathBytes = 0;
  int neverSaved = 0;
  if (!(head >> record.pid >> record.processStart >> pathBytes >> neverSaved) || pathBytes > kMaxPathBytes ||
      head.get() != '\n')
    throw NotRecovery(path, "Kopf beschädigt");
  const size_t start = std::char_traits<char>::length(kMagic) + static_cast<size_t>(head.tellg());
  if (start + pathBytes > bytes.size()) throw NotRecovery(path, "zu kurz");
  record.teamPath = bytes.substr(start, pathBytes);
  record.neverSaved = neverSaved != 0;
  record.team = bytes.substr(start + pathBytes);
  return record;
}

std::unique_ptr<CKRTeam> RecoveredTeam(const RecoveryRecord& record, const std::string& recoveryPath) {
  try {
    return TeamFromState(record.team);
  } catch (const std::exception& e) {
    throw NotRecovery(recoveryPath, e.what());
  }
}

bool ProgramRunning(int64_t pid, const std::string& processStart) {
  return pid > 0 && ProcessStartOf(std::to_string(pid)) == processStart;
}

std::vector<LeftRecovery> LeftRecoveries(const std::string& folder) {
  std::vector<std::pair<fs::file_time_type, LeftRecovery>> found;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().extension() != kExtension || !entry.is_regular_file(error)) continue;
    LeftRecovery left{entry.path().string(), {}, {}};
    try {
      left.record = ReadRecoveryFile(left.path);
      if (ProgramRunning(left.record.pid, left.record.processStart)) continue;
    } catch (const FileError& e) {
      left.error = e.what();
    }
    found.emplace_back(entry.last_write_time(error), std::move(left));
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<LeftRecovery> left;
  for (auto& item : found) left.push_back(std::move(item.second));
  return left;
}

std::string SetRecoveryFileAside(const std::string& path) {
  const std::string aside = path + kAsideExtension;
  if (std::rename(path.c_str(), aside.c_str()) != 0) throw FileError(FileMessage(path, SystemErrorText(errno)));
  return aside;
}

std::string RecoveryQuestion(const std::string& teamPath) {
  return "Die Krashball-Verwaltung wurde nicht ordnungsgemäß beendet. Sollen die ungesicherten Änderungen an „" +
         fs::path(teamPath).filename().string() + "\" wiederhergestellt werden?";
}

std::string UnreadableRecoveryNotice(const std::string& error, const std::string& asidePath) {
  return error + "\nDie Datei bleibt als „" + asidePath + "“ erhalten.";
}

}  // namespace krv
