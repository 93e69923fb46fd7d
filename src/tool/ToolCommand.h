#pragma once
// The commands of krv. Each command lives in its own file and registers itself there with
// one static ToolCommandRegistration; main() only looks the command up and runs it, and
// "krv --help" lists every registered command. A new command needs no edit elsewhere.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace krv {

struct ToolCommand {
  std::string name;       // "json", "neu", ...
  std::string arguments;  // as the help shows them: "DATEI", "EIN AUS"
  std::string summary;    // the help's description; "\n" starts another indented line
  int order = 100;        // place in the help; smaller comes first, then by name
  // Runs the command with the arguments after its name; returns the exit status
  // (0 done, 1 refused or unreadable file, 2 malformed call, kExitSavedWithProblem).
  // May throw FileError.
  std::function<int(const std::vector<std::string>& args)> run;
};

// The exit status of a call whose change is saved in the file but whose report could not be
// printed or whose follow-up (the system team list in KRV.DAT) failed: a script must not
// repeat it, as it would after status 1 (nothing changed).
constexpr int kExitSavedWithProblem = 3;
// The help's line on it, after the command's own exit statuses.
constexpr const char* kSavedWithProblemHelp =
    "3: die Änderung ist gespeichert, aber ihre Meldung konnte nicht ausgegeben werden (oder\n"
    "der Gegner nicht in die System-Teamliste aufgenommen); den Befehl dann nicht wiederholen.\n";

// Called as soon as the file holds the change; from then on a failure ends with
// kExitSavedWithProblem and says that the change is saved.
void NoteChangeSaved();
bool ChangeSaved();

// Why the text given for `option` cannot be taken, or nothing: bytes that are no valid UTF-8
// (an overlong "\xc0\xaf" once became "/" unnoticed) and control characters (line breaks
// only where the text has several lines).
std::optional<std::string> OptionTextProblem(const std::string& option, const std::string& value, bool multiLine);

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
