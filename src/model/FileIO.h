#pragma once
// Whole-file reading and crash-safe writing; failures carry a German message naming the file.

#include <stdexcept>
#include <string>
#include <string_view>

namespace krv {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string ReadWholeFile(const std::string& path);

// Writes into a temporary file beside `path`, flushes it to disk and renames it over `path`.
// On any failure the previous file is untouched and the temporary file is gone.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// "„name“: what" — the form every file message of the program takes.
std::string FileMessage(const std::string& path, const std::string& what);

}  // namespace krv
