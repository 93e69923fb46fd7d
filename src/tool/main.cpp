// krv: the team file tool of the Krashball-Verwaltung. The commands register themselves
// (tool/ToolCommand.h); here they are only looked up and run.

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "ProgramVersion.h"
#include "model/FileIO.h"
#include "model/SystemErrors.h"
#include "tool/ToolCommand.h"

namespace {

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return krv::ToolUsageError("Kein Befehl angegeben.");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << krv::ToolUsage();
    return 0;
  }
  if (command == "--version") {
    std::cout << "krv " << krv::kProgramVersion << "\n";
    return 0;
  }
  const krv::ToolCommand* found = krv::FindToolCommand(command);
  if (!found) return krv::ToolUsageError("Unbekannter Befehl „" + command + "“.");
  return found->run(std::vector<std::string>(args.begin() + 1, args.end()));
}

// A failure after the change reached the file must not look like "nothing changed".
int Failed() {
  if (!krv::ChangeSaved()) return 1;
  std::cerr << "krv: Die Änderung ist trotzdem in der Datei gespeichert.\n";
  return krv::kExitSavedWithProblem;
}

// Output that cannot be written (a full disk, a closed pipe) is a failure, not success.
// errno then still holds the cause of the failed write.
int FinishOutput(int status) {
  std::cout.flush();
  if (std::cout && std::fflush(stdout) == 0) return status;
  const int error = errno;
  std::cerr << "krv: Die Ausgabe kann nicht geschrieben werden. "
            << (error ? krv::SystemErrorText(error) : std::string("Schreibfehler.")) << "\n";
  return Failed();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return FinishOutput(Run(std::vector<std::string>(argv + 1, argv + argc)));
  } catch (const krv::FileError& e) {
    std::cerr << "krv: " << e.what() << "\n";
  } catch (const std::bad_alloc&) {
    std::cerr << "krv: Nicht genug Arbeitsspeicher für diese Datei.\n";
  } catch (const std::exception& e) {
    std::cerr << "krv: Unerwarteter Fehler: " << e.what() << "\n";
  } catch (...) {
    std::cerr << "krv: Unerwarteter Fehler.\n";
  }
  return Failed();
}
