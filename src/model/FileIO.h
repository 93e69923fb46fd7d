#pragma once
// Whole-file reading and crash-safe writing; failures carry a German message naming the file.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace krv {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Far above any real team file, settings file or logo; a bigger file is refused unread.
constexpr size_t kMaxReadBytes = size_t{256} << 20;

// Reads a regular file of at most `maxBytes`. Never blocks on a pipe or device: whatever is
// not a regular file is refused, as is a file above the limit (the message names the limit).
std::string ReadWholeFile(const std::string& path, size_t maxBytes = kMaxReadBytes);

// Replaces the file at `path` crash-safely: the bytes go into an unnamed file in the target's
// folder (a named temporary file where the file system has no unnamed ones), which is flushed
// to disk and only then put in place in one step. A kill at any moment leaves the old or the
// new file; a kill in the instant between naming the finished file and putting it in place
// leaves it beside the target, and the next save removes it (see RemoveStaleTemporaryFiles).
// A symbolic link is saved through (the link stays), an existing file keeps its permission bits
// and owner. Refused: targets that are not regular files and read-only files. On any failure
// the previous file is untouched and nothing is left behind.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files beside `target` that a save of this program left when it was
// killed: only names of the form "<target>.krv-tmp.<pid>.<6 letters>" whose process has ended
// and that belong to us. Another process's running save and the coach's own files are kept.
void RemoveStaleTemporaryFiles(const std::string& target);

// Tests switch the unnamed files off to exercise the named temporary files of other file systems.
void UseUnnamedTemporaryFiles(bool use);

// Whether a save to `path` would be refused because the file is read-only: no write
// permission for us, or no write bit at all (which the superuser would otherwise ignore).
bool IsReadOnlyFile(const std::string& path);

// "„name“: what" — the form every file message of the program takes.
std::string FileMessage(const std::string& path, const std::string& what);

// The message for an error nobody expected while reading or writing `path` (memory, say).
std::string UnexpectedFileErrorText(const std::string& path, const std::exception& error);

}  // namespace krv
