#include "model/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "model/FileIO.h"
#include "model/SystemErrors.h"

namespace krv {
namespace {

constexpr std::chrono::milliseconds kRetryInterval{10};

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

std::string FileBusyText(const std::string& path) {
  return FileMessage(path,
                     "Die Datei wird gerade von einem anderen Programm geändert. Sie bleibt unverändert; bitte "
                     "versuchen Sie es gleich noch einmal.");
}

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    // flock, not fcntl: a POSIX record lock would end when any descriptor of the file in this
    // process is closed, which every read of the file does.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
      if (errno == ENOENT) return;  // a new file: nothing to lose yet
      throw FileError(FileMessage(path, "Kann nicht geöffnet werden. " + SystemErrorText(errno)));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      // Saves put a new file in place by renaming: the lock just won may be on a file the
      // previous holder has already replaced. Only the lock on the file now at `path` counts.
      struct stat locked {
      }, current{};
      if (::fstat(fd, &locked) == 0 && ::stat(path.c_str(), &current) == 0 && SameFile(locked, current)) {
        m_fd = fd;
        return;
      }
      ::close(fd);
      continue;
    }
    const int error = errno;
    ::close(fd);
    // A file system without locks (some network shares): go on as before locks existed.
    if (error != EWOULDBLOCK && error != EINTR) return;
    if (std::chrono::steady_clock::now() >= deadline) throw FileError(FileBusyText(path));
    std::this_thread::sleep_for(kRetryInterval);
  }
}

FileLock::~FileLock() {
  if (m_fd >= 0) ::close(m_fd);  // closing the only descriptor releases the lock
}

}  // namespace krv
