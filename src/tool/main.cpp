// krv: the team file tool of the Krashball-Verwaltung. The commands register themselves
// (tool/ToolCommand.h); here they are only looked up and run.

#include <iostream>
#include <string>
#include <vector>

#include "ProgramVersion.h"
#include "model/FileIO.h"
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

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const krv::FileError& e) {
    std::cerr << "krv: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "krv: Unerwarteter Fehler: " << e.what() << "\n";
    return 1;
  }
}
