#include "model/FileIO.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Format.h"
#include "model/SystemErrors.h"

namespace krv {
namespace {

constexpr int kMaxLinkDepth = 40;  // as the kernel's own limit
// A temporary file is named "<target>.krv-tmp.<pid>.<6 letters>": the marker says it is one of
// ours, the process number whose save it belongs to.
constexpr const char* kTempInfix = ".krv-tmp.";
constexpr size_t kTempSuffixLength = 6;

bool g_useUnnamedFiles = true;

std::string Folder(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return m_fd; }
  int Close() {
    const int result = m_fd >= 0 ? ::close(m_fd) : 0;
    m_fd = -1;
    return result;
  }

 private:
  int m_fd;
};

// Why a path that exists cannot be read or written as a file.
std::string NotRegularText(mode_t mode) {
  if (S_ISDIR(mode)) return SystemErrorText(EISDIR);
  if (S_ISFIFO(mode)) return "Das ist eine Pipe, keine gewöhnliche Datei.";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "Das ist ein Gerät, keine gewöhnliche Datei.";
  if (S_ISSOCK(mode)) return "Das ist ein Socket, keine gewöhnliche Datei.";
  return "Das ist keine gewöhnliche Datei.";
}

std::string TooBigText(size_t maxBytes) {
  return Format("Die Datei ist größer als %zu MB und wird nicht gelesen.", maxBytes >> 20);
}

// A save that fails raises this; the message says whether an earlier file is still there.
struct SaveFailure {
  std::string cause;
};
[[noreturn]] void FailSave(std::string cause) { throw SaveFailure{std::move(cause)}; }
[[noreturn]] void FailSaveErrno(int error) { FailSave(SystemErrorText(error)); }

// What a save finds at its path once symbolic links are followed.
struct SaveTarget {
  std::string path;
  bool exists = false;
  struct stat info {};
};

SaveTarget ResolveSaveTarget(const std::string& path) {
  SaveTarget target{path};
  for (int depth = 0;; ++depth) {
    if (::lstat(target.path.c_str(), &target.info) != 0) {
      if (errno == ENOENT) return target;  // a new file (or a link to a file still to come)
      FailSaveErrno(errno);
    }
    if (!S_ISLNK(target.info.st_mode)) break;
    if (depth == kMaxLinkDepth) FailSaveErrno(ELOOP);
    std::string link(static_cast<size_t>(target.info.st_size > 0 ? target.info.st_size : 4096) + 1, '\0');
    const ssize_t length = ::readlink(target.path.c_str(), link.data(), link.size());
    if (length < 0) FailSaveErrno(errno);
    link.resize(static_cast<size_t>(length));
    target.path = link.starts_with('/') ? link : Folder(target.path) + "/" + link;
  }
  target.exists = true;
  if (!S_ISREG(target.info.st_mode)) FailSave(NotRegularText(target.info.st_mode));
  return target;
}

bool IsReadOnly(const std::string& path, const struct stat& info) {
  return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

void WriteAll(int fd, std::string_view bytes) {
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      FailSaveErrno(errno);
    }
    written += static_cast<size_t>(n);
  }
}

// The bytes, the permission bits (and owner) the new file gets, flushed to disk.
void FillFile(int fd, std::string_view bytes, const SaveTarget& target) {
  mode_t mode;
  if (target.exists) {
    mode = target.info.st_mode & 07777;
    // Only the superuser can hand the file back to another owner; anyone else's save makes it theirs.
    [[maybe_unused]] const int ignored = ::fchown(fd, target.info.st_uid, target.info.st_gid);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  WriteAll(fd, bytes);
  if (::fchmod(fd, mode) != 0) FailSaveErrno(errno);
  if (::fsync(fd) != 0) FailSaveErrno(errno);
}

std::string TempPrefix(const std::string& target) { return target + kTempInfix + std::to_string(::getpid()) + "."; }

std::string RandomTempName(const std::string& target) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static thread_local std::mt19937 random{std::random_device{}()};
  std::string name = TempPrefix(target);
  for (size_t i = 0; i < kTempSuffixLength; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
  return name;
}

// Gives the finished unnamed file a temporary name beside the target; false where the system
// cannot (no /proc and no privilege for a link by descriptor).
bool LinkUnnamedFile(int fd, const std::string& target, std::string& temp) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = RandomTempName(target);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno == EEXIST) continue;
    if (errno != ENOENT) FailSaveErrno(errno);
    if (::linkat(fd, "", AT_FDCWD, temp.c_str(), AT_EMPTY_PATH) == 0) return true;
    if (errno == EEXIST) continue;
    return false;
  }
  FailSaveErrno(EEXIST);
}

// Writes the new file and returns its temporary name, ready to be renamed over the target.
std::string WriteTemporaryFile(const SaveTarget& target, std::string_view bytes) {
  if (g_useUnnamedFiles) {
    FileDescriptor unnamed(::open(Folder(target.path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (unnamed.Get() >= 0) {
      FillFile(unnamed.Get(), bytes, target);
      std::string temp;
      if (LinkUnnamedFile(unnamed.Get(), target.path, temp)) return temp;
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      FailSaveErrno(errno);
    }
  }
  // File systems without unnamed files: a named one, removed again on failure.
  std::string temp = TempPrefix(target.path) + std::string(kTempSuffixLength, 'X');
  FileDescriptor named(::mkostemp(temp.data(), O_CLOEXEC));
  if (named.Get() < 0) FailSaveErrno(errno);
  try {
    FillFile(named.Get(), bytes, target);
    if (named.Close() != 0) FailSaveErrno(errno);
  } catch (...) {
    ::unlink(temp.c_str());
    throw;
  }
  return temp;
}

// The process whose save made the temporary file `name` of `prefix` ("<target>.krv-tmp."), or 0
// when the name is not one of ours (a coach's "team.krt.tmp-notizen", say).
pid_t TempFileOwner(const std::string& name, const std::string& prefix) {
  if (!name.starts_with(prefix)) return 0;
  const size_t dot = name.find('.', prefix.size());
  if (dot == std::string::npos || dot == prefix.size() || dot - prefix.size() > 9 ||
      name.size() != dot + 1 + kTempSuffixLength)
    return 0;
  pid_t pid = 0;
  for (size_t i = prefix.size(); i < dot; ++i) {
    if (name[i] < '0' || name[i] > '9') return 0;
    pid = pid * 10 + (name[i] - '0');
  }
  for (size_t i = dot + 1; i < name.size(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return 0;
  return pid;
}

bool ProcessIsGone(pid_t pid) { return pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

void RemoveStaleTemporaryFiles(const std::string& target) {
  const std::string prefix = BaseName(target) + kTempInfix;
  DIR* folder = ::opendir(Folder(target).c_str());
  if (!folder) return;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string name = entry->d_name;
    const pid_t owner = TempFileOwner(name, prefix);
    // Another save still running owns its file; one of a process that has ended is left over.
    struct stat info {};
    if (owner > 0 && ProcessIsGone(owner) &&
        ::fstatat(::dirfd(folder), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == ::geteuid())
      ::unlinkat(::dirfd(folder), name.c_str(), 0);
  }
  ::closedir(folder);
}

std::string FileMessage(const std::string& path, const std::string& what) {
  return Format("„%s“: %s", path.c_str(), what.c_str());
}

std::string UnexpectedFileErrorText(const std::string& path, const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error)) return FileMessage(path, "Nicht genug Arbeitsspeicher.");
  return FileMessage(path, std::string("Unerwarteter Fehler: ") + error.what());
}

std::string ReadWholeFile(const std::string& path, size_t maxBytes) {
  // Non-blocking, so that a pipe without a writer cannot stop the program before it is refused.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) throw FileError(FileMessage(path, "Kann nicht geöffnet werden. " + SystemErrorText(errno)));
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) throw FileError(FileMessage(path, SystemErrorText(errno)));
  if (!S_ISREG(info.st_mode)) throw FileError(FileMessage(path, NotRegularText(info.st_mode)));
  if (static_cast<uintmax_t>(info.st_size) > maxBytes) throw FileError(FileMessage(path, TooBigText(maxBytes)));
  std::string bytes;
  bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(FileMessage(path, "Lesefehler. " + SystemErrorText(errno)));
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
    if (bytes.size() > maxBytes) throw FileError(FileMessage(path, TooBigText(maxBytes)));  // grew while read
  }
  return bytes;
}

void UseUnnamedTemporaryFiles(bool use) { g_useUnnamedFiles = use; }

bool IsReadOnlyFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && IsReadOnly(path, info);
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // Beyond a file-size limit the system would end the program mid-write; a failed write with a
  // message ("Datei zu groß") is what the coach should get instead.
  static const bool fileSizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
  (void)fileSizeSignalIgnored;

  bool existed = false;
  try {
    const SaveTarget target = ResolveSaveTarget(path);
    existed = target.exists;
    if (existed && IsReadOnly(target.path, target.info)) FailSave("Die Datei ist schreibgeschützt.");
    const std::string temp = WriteTemporaryFile(target, bytes);
    if (::rename(temp.c_str(), target.path.c_str()) != 0) {
      const int error = errno;
      ::unlink(temp.c_str());
      FailSaveErrno(error);
    }
    RemoveStaleTemporaryFiles(target.path);
    // Make the rename itself durable.
    FileDescriptor folder(::open(Folder(target.path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
  } catch (const SaveFailure& failure) {
    throw FileError(FileMessage(path, "Kann nicht gespeichert werden. " + failure.cause +
                                          (existed ? " Die bisherige Datei ist unverändert." : "")));
  }
}

}  // namespace krv
