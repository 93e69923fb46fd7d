#pragma once
// The commands of krv. Each command lives in its own file and registers itself there with
// one static ToolCommandRegistration; main() only looks the command up and runs it, and
// "krv --help" lists every registered command. A new command needs no edit elsewhere.

#include <functional>
#include <string>
#include <vector>

namespace krv {

struct ToolCommand {
  std::string name;       // "json", "neu", ...
  std::string arguments;  // as the help shows them: "DATEI", "EIN AUS"
  std::string summary;    // the help's description; "\n" starts another indented line
  int order = 100;        // place in the help; smaller comes first, then by name
  // Runs the command with the arguments after its name; returns the exit status
  // (0 done, 1 refused or unreadable file, 2 malformed call). May throw FileError.
  std::function<int(const std::vector<std::string>& args)> run;
};

// Registers a command for the program's lifetime (one static object per command file).
struct ToolCommandRegistration {
  explicit ToolCommandRegistration(ToolCommand command);
};

// Every registered command in help order.
std::vector<const ToolCommand*> ToolCommands();
const ToolCommand* FindToolCommand(const std::string& name);

// The whole "krv --help" text.
std::string ToolUsage();

// Writes "krv: <message>", a blank line and the help to stderr; returns 2.
int ToolUsageError(const std::string& message);

}  // namespace krv
