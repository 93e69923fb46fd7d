#include "model/FileIO.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Format.h"

namespace krv {
namespace {

std::string ErrnoText(int error) {
  switch (error) {
    case ENOENT: return "Die Datei oder der Ordner existiert nicht.";
    case EACCES:
    case EPERM: return "Keine Berechtigung.";
    case EISDIR: return "Das ist ein Ordner, keine Datei.";
    case ENOSPC: return "Der Datenträger ist voll.";
    case EROFS: return "Der Datenträger ist schreibgeschützt.";
    case EDQUOT: return "Das Speicherkontingent ist erschöpft.";
    case ENAMETOOLONG: return "Der Dateiname ist zu lang.";
    default: return Format("Systemfehler %d (%s).", error, std::strerror(error));
  }
}

std::string Folder(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
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

}  // namespace

std::string FileMessage(const std::string& path, const std::string& what) {
  return Format("„%s“: %s", path.c_str(), what.c_str());
}

std::string ReadWholeFile(const std::string& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) throw FileError(FileMessage(path, "Kann nicht geöffnet werden. " + ErrnoText(errno)));
  struct stat info{};
  if (::fstat(fd.Get(), &info) != 0) throw FileError(FileMessage(path, ErrnoText(errno)));
  if (S_ISDIR(info.st_mode)) throw FileError(FileMessage(path, ErrnoText(EISDIR)));
  std::string bytes;
  if (S_ISREG(info.st_mode)) bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(FileMessage(path, "Lesefehler. " + ErrnoText(errno)));
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".tmp-XXXXXX";
  FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (fd.Get() < 0)
    throw FileError(FileMessage(path, "Kann nicht gespeichert werden. " + ErrnoText(errno)));

  auto fail = [&](int error) {
    fd.Close();
    ::unlink(temp.c_str());
    throw FileError(FileMessage(path, "Kann nicht gespeichert werden. " + ErrnoText(error) +
                                          " Die bisherige Datei ist unverändert."));
  };

  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(fd.Get(), 0666 & ~mask) != 0) fail(errno);
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    written += static_cast<size_t>(n);
  }
  if (::fsync(fd.Get()) != 0) fail(errno);
  if (fd.Close() != 0) fail(errno);
  if (::rename(temp.c_str(), path.c_str()) != 0) fail(errno);

  // Make the rename itself durable.
  FileDescriptor folder(::open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Get() >= 0) ::fsync(folder.Get());
}

}  // namespace krv
