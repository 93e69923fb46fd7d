#pragma once
// What the krv commands that change a team file share: their options, the team loaded as a
// team window shows it, the settings of KRV.DAT, picking a player, and saving the file in
// place only when the change went through. A refusal leaves the file as it was.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/KrvDat.h"
#include "model/Team.h"

namespace krv {

// Ends a command: status 1 with the program's German message, or 2 for a malformed call.
struct CommandRefusal {
  int status;
  std::string message;
};
[[noreturn]] void Refuse(std::string message);
[[noreturn]] void Misuse(std::string message);
// Ends a command that had nothing to change (as the dialog adds nothing): status 0, the
// message on stdout, the file not written.
[[noreturn]] void NothingChanged(std::string message);

// The options of one call: the file (exactly one argument without "--"), options with a
// value, options that may repeat, and flags.
class CommandOptions {
 public:
  CommandOptions(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                 const std::vector<std::string>& repeatableOptions, const std::vector<std::string>& flags);

  const std::string& File() const { return m_File; }
  bool Has(const std::string& option) const;
  std::optional<std::string> Value(const std::string& option) const;
  std::vector<std::string> Values(const std::string& option) const;
  bool Flag(const std::string& option) const;
  // Every option with its value, in the order given.
  const std::vector<std::pair<std::string, std::string>>& AllValues() const { return m_Values; }
  // The option's value as a whole number of digits; a malformed call otherwise.
  std::optional<int32_t> Number(const std::string& option) const;

 private:
  std::string m_File;
  std::vector<std::pair<std::string, std::string>> m_Values;
  std::vector<std::string> m_Flags;
};

// One change command: its help text, its options, and the change. The change gets the
// loaded team (recalculated, as a team window shows it) and the settings, refuses by
// throwing through Refuse or Misuse, and returns the line printed on success.
struct TeamCommand {
  const char* usage;
  std::vector<std::string> valueOptions;
  std::vector<std::string> repeatableOptions;
  std::vector<std::string> flags;
  std::function<std::string(CKRTeam&, const ProgramSettings&, const CommandOptions&)> change;
  // Options whose text may have several lines (as the dialog's multi-line field); every
  // other text is one line, without control characters.
  std::vector<std::string> multiLineOptions = {};
};

// Runs the command with the arguments after its name and returns the exit status.
// File errors are thrown as FileError (status 1 in krv's main).
int RunTeamCommand(const TeamCommand& command, const std::vector<std::string>& args);

// The player named by "--nr N" (the one active player carrying that number) or "--id N"
// (the player with that identity, active or not).
CKRSpieler& SelectPlayer(CKRTeam& team, const CommandOptions& options);

}  // namespace krv
