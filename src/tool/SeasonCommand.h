#pragma once
// What the season commands of krv (spiel, ausgabe, einnahme, ereignis, loeschen) share:
// reading their options, loading the team as a window would show it, and saving it in
// place only when the change succeeded. A refusal prints the dialog's German message and
// exits 1 with the file untouched; a malformed call exits 2.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/Team.h"
#include "properties/SeasonOutcome.h"

namespace krv {

// Ends a command: status 1 for a refusal, 2 for a malformed call.
struct CommandRefusal {
  int status;
  std::string message;
};
[[noreturn]] void RefuseCommand(std::string message);
[[noreturn]] void MisusedCommand(std::string message);

// The options of one call: `--name value` options, `--flag` switches and the rest in order.
struct CommandLine {
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  std::vector<std::string> positional;

  bool Has(const std::string& option) const { return values.count(option) != 0; }
  std::optional<std::string> Value(const std::string& option) const;
  bool Flag(const std::string& flag) const { return flags.count(flag) != 0; }
};
// Throws a misuse for an unknown, repeated or valueless option.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                             const std::set<std::string>& flagOptions);

// A whole number as the number fields take it ("60.000" or "60000"); a misuse otherwise.
int32_t NumberOption(const std::string& option, const std::string& text);
// Refuses a text longer than the dialog's field takes.
void CheckTextLength(const std::string& text, size_t maxCharacters, const char* what);

// A season command: changes the team and says what it did (stdout), or refuses through
// the returned outcome. The team file is written only when the outcome says `changed`.
using SeasonChange = std::function<SeasonOutcome(CKRTeam& team)>;

// Loads the team file, recalculates it as its window would, runs the change and, when it
// changed the team, saves it in place. Prints the refusal (exit 1) or the notices.
int ChangeTeamFile(const std::string& path, const SeasonChange& change);

// Runs a command's body: answers "--help" with its usage, prints a refusal ("krv: ...",
// with the usage after a malformed call) and returns the exit status.
int RunCommandBody(const char* usage, const std::vector<std::string>& args,
                   const std::function<int(const std::vector<std::string>&)>& body);

// Runs one of the season commands; nullopt when `command` is none of them.
std::optional<int> RunSeasonCommand(const std::string& command, const std::vector<std::string>& args);

// The commands, each in its own file; `args` are those after the command's name.
int RunSpielCommand(const std::vector<std::string>& args);
int RunAusgabeCommand(const std::vector<std::string>& args);
int RunEinnahmeCommand(const std::vector<std::string>& args);
int RunEreignisCommand(const std::vector<std::string>& args);
int RunLoeschenCommand(const std::vector<std::string>& args);

}  // namespace krv
