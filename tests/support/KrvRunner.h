#pragma once
// Runs the built krv binary as a coach would, in a folder of its own and with a data folder
// of its own (never the coach's settings), and returns its exit status and both outputs.

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "model/FileIO.h"
#include "support/TempFolder.h"

namespace krv::test {

struct KrvResult {
  int status;
  std::string out, err;
};

inline bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

inline std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class KrvToolTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ::setenv("KRV_DATEN", Path("Daten").c_str(), 1);
  }

  KrvResult Run(const std::vector<std::string>& args) const {
    std::string command = ShellQuoted(KRV_BINARY);
    for (const std::string& a : args) command += " " + ShellQuoted(a);
    command += " >" + ShellQuoted(Path("stdout")) + " 2>" + ShellQuoted(Path("stderr"));
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile(Path("stdout")), ReadWholeFile(Path("stderr"))};
  }
};

}  // namespace krv::test
