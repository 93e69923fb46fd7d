#pragma once
// An advisory lock that makes one read–change–write of a file a unit between processes:
// krv commands, the program's save and anything else of ours that changes a file take it, so
// two writers never both read the old file and the second one silently throws away the
// first one's change. Writers that take no lock are not held back (it is advisory).

#include <chrono>
#include <string>

namespace krv {

// How long a second writer waits for the first before it gives up.
constexpr std::chrono::milliseconds kFileLockWait{5000};

class FileLock {
 public:
  // Locks the file at `path` (through symbolic links). A file that does not exist yet is not
  // locked (there is nothing another writer could lose). Waits up to `wait` while another
  // process holds the lock, then throws FileError saying that another program is changing
  // the file and that it stays unchanged.
  explicit FileLock(const std::string& path, std::chrono::milliseconds wait = kFileLockWait);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};

// The message of a writer that did not get the lock.
std::string FileBusyText(const std::string& path);

}  // namespace krv
