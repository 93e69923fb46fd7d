#pragma once
// Runs the built krv binary as a coach would, in a folder of its own and with a data folder
// of its own (never the coach's settings), and returns its exit status and both outputs;
// checks tables of calls on one team file.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <set>
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

// Starts krv with the arguments as a child process, stdout to /dev/null and stderr into
// `errFile` (also /dev/null when empty).
inline pid_t StartKrv(const std::vector<std::string>& args, const std::string& errFile = "") {
  const pid_t child = ::fork();
  if (child == 0) {
    const int err =
        errFile.empty() ? ::open("/dev/null", O_WRONLY) : ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(err, 2);
    ::dup2(null, 1);
    std::vector<char*> argv{const_cast<char*>(KRV_BINARY)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(KRV_BINARY, argv.data());
    ::_exit(127);
  }
  return child;
}

// The exit status of a child; -1 when it was killed.
inline int ExitStatus(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// One call of krv in a table and what it must give: its status, a part of stderr (of stdout
// where the status is 0, and nothing on stderr then), and parts of `krv json FILE` afterwards ("!" before a part:
// absent). "@" in the arguments stands for the team file. A refused call (any other status) must print nothing on
// stdout and leave the file byte for byte and nothing beside it.
struct Call {
  std::vector<std::string> args;
  int status = 0;
  std::string says = "";
  std::vector<std::string> json = {};
};

// A call that must succeed, with what `krv json` shows afterwards.
inline Call Ok(std::vector<std::string> args, std::vector<std::string> json = {}, std::string says = "") {
  return {std::move(args), 0, std::move(says), std::move(json)};
}

class KrvToolTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ::setenv("KRV_DATEN", Path("Daten").c_str(), 1);
  }

  // With `redirect` ("> /dev/full", ">&-") stdout goes there instead and `out` stays empty.
  KrvResult Run(const std::vector<std::string>& args, const std::string& redirect = "") const {
    std::string command = ShellQuoted(KRV_BINARY);
    for (const std::string& a : args) command += " " + ShellQuoted(a);
    command += " " + (redirect.empty() ? ">" + ShellQuoted(Path("stdout")) : redirect);
    command += " 2>" + ShellQuoted(Path("stderr"));
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, redirect.empty() ? ReadWholeFile(Path("stdout")) : "",
            ReadWholeFile(Path("stderr"))};
  }

  // The bytes of the file ("-" where there is none) and the names in the folder but krv's
  // outputs.
  std::string Snapshot(const std::string& file) const {
    std::string state = std::filesystem::exists(file) ? ReadWholeFile(file) : "-";
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir)) names.insert(entry.path().filename().string());
    for (const std::string& name : names)
      if (name != "stdout" && name != "stderr") state += "\n" + name;
    return state;
  }

  void Check(const std::string& file, const std::vector<Call>& calls) const {
    for (const Call& call : calls) {
      std::vector<std::string> args = call.args;
      std::string shown;
      for (std::string& a : args) {
        if (a == "@") a = file;
        shown += " " + a;
      }
      SCOPED_TRACE("krv" + shown);
      const std::string before = Snapshot(file);
      const KrvResult r = Run(args);
      EXPECT_EQ(r.status, call.status) << r.err;
      EXPECT_TRUE(Has(call.status == 0 ? r.out : r.err, call.says)) << r.out << r.err;
      if (call.status == 0) {
        EXPECT_EQ(r.err, "");
      } else {
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(Snapshot(file), before);
      }
      if (call.json.empty()) continue;
      const std::string json = Run({"json", file}).out;
      for (const std::string& part : call.json)
        EXPECT_EQ(Has(json, part[0] == '!' ? part.substr(1) : part), part[0] != '!') << part << "\n" << json;
    }
  }
};

}  // namespace krv::test
