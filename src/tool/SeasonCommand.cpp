#include "tool/SeasonCommand.h"

#include <iostream>

#include "model/Format.h"
#include "model/TeamFile.h"

namespace krv {
namespace {

// UTF-8 characters, as the dialogs count them.
size_t CharacterCount(const std::string& text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

}  // namespace

void RefuseCommand(std::string message) { throw CommandRefusal{1, std::move(message)}; }
void MisusedCommand(std::string message) { throw CommandRefusal{2, std::move(message)}; }

std::optional<std::string> CommandLine::Value(const std::string& option) const {
  const auto it = values.find(option);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                             const std::set<std::string>& flagOptions) {
  CommandLine line;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (valueOptions.count(a)) {
      if (i + 1 >= args.size()) MisusedCommand("„" + a + "“ erwartet einen Wert.");
      if (!line.values.emplace(a, args[++i]).second) MisusedCommand("„" + a + "“ ist mehrfach angegeben.");
    } else if (flagOptions.count(a)) {
      line.flags.insert(a);
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      MisusedCommand("Unbekannte Option „" + a + "“.");
    } else {
      line.positional.push_back(a);
    }
  }
  return line;
}

int32_t NumberOption(const std::string& option, const std::string& text) {
  int64_t value = 0;
  bool digits = false;
  for (char c : text) {
    if (c == '.') continue;
    if (c < '0' || c > '9') MisusedCommand("„" + option + "“ erwartet eine ganze Zahl, nicht „" + text + "“.");
    digits = true;
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) RefuseCommand("„" + option + "“: Die Zahl " + text + " ist zu groß.");
  }
  if (!digits) MisusedCommand("„" + option + "“ erwartet eine ganze Zahl, nicht „" + text + "“.");
  return static_cast<int32_t>(value);
}

void CheckTextLength(const std::string& text, size_t maxCharacters, const char* what) {
  if (CharacterCount(text) > maxCharacters)
    RefuseCommand(Format("%s darf höchstens %ld Zeichen lang sein.", what, static_cast<long>(maxCharacters)));
}

int ChangeTeamFile(const std::string& path, const SeasonChange& change) {
  auto team = LoadTeamFile(path);
  team->Recalculate();  // as the window shows it before the coach acts
  const SeasonOutcome outcome = change(*team);
  if (outcome.refused) RefuseCommand(outcome.refusal);
  for (const std::string& notice : outcome.notices) std::cout << notice << "\n";
  if (!outcome.changed) return 0;
  team->CalcTeamwert();  // as the save does
  const SaveResult result = SaveTeamFile(*team, path);
  if (result.replacedCharacters) std::cerr << "krv: " << ReplacedCharactersNotice(path, result.replacedCharacters) << "\n";
  return 0;
}

int RunCommandBody(const char* usage, const std::vector<std::string>& args,
                   const std::function<int(const std::vector<std::string>&)>& body) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << usage;
    return 0;
  }
  try {
    return body(args);
  } catch (const CommandRefusal& refusal) {
    std::cerr << "krv: " << refusal.message << "\n";
    if (refusal.status == 2) std::cerr << "\n" << usage;
    return refusal.status;
  }
}

std::optional<int> RunSeasonCommand(const std::string& command, const std::vector<std::string>& args) {
  static const std::map<std::string, int (*)(const std::vector<std::string>&)> kCommands = {
      {"spiel", RunSpielCommand},       {"ausgabe", RunAusgabeCommand},   {"einnahme", RunEinnahmeCommand},
      {"ereignis", RunEreignisCommand}, {"loeschen", RunLoeschenCommand},
  };
  const auto it = kCommands.find(command);
  if (it == kCommands.end()) return std::nullopt;
  return it->second(args);
}

}  // namespace krv
