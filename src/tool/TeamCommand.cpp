#include "tool/TeamCommand.h"

#include <algorithm>
#include <iostream>

#include "model/FileLock.h"
#include "model/Format.h"
#include "model/TeamFile.h"
#include "tool/ToolCommand.h"
#include "tool/ToolSettings.h"

namespace krv {

void Refuse(std::string message) { throw CommandRefusal{1, std::move(message)}; }
void Misuse(std::string message) { throw CommandRefusal{2, std::move(message)}; }
void NothingChanged(std::string message) { throw CommandRefusal{0, std::move(message)}; }

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

CommandOptions::CommandOptions(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                               const std::vector<std::string>& repeatableOptions,
                               const std::vector<std::string>& flags) {
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (Contains(valueOptions, a) || Contains(repeatableOptions, a)) {
      if (i + 1 >= args.size()) Misuse("„" + a + "“ erwartet einen Wert.");
      if (Contains(valueOptions, a) && Has(a)) Misuse("„" + a + "“ ist mehrfach angegeben.");
      m_Values.emplace_back(a, args[++i]);
    } else if (Contains(flags, a)) {
      m_Flags.push_back(a);
    } else if (a.size() > 1 && a[0] == '-') {
      Misuse("Unbekannte Option „" + a + "“.");
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 1 || files[0].empty()) Misuse("Es wird genau eine Teamdatei erwartet.");
  m_File = files[0];
}

bool CommandOptions::Has(const std::string& option) const {
  return std::any_of(m_Values.begin(), m_Values.end(), [&](const auto& v) { return v.first == option; });
}

std::optional<std::string> CommandOptions::Value(const std::string& option) const {
  for (const auto& [name, value] : m_Values)
    if (name == option) return value;
  return std::nullopt;
}

std::vector<std::string> CommandOptions::Values(const std::string& option) const {
  std::vector<std::string> values;
  for (const auto& [name, value] : m_Values)
    if (name == option) values.push_back(value);
  return values;
}

bool CommandOptions::Flag(const std::string& option) const { return Contains(m_Flags, option); }

std::optional<int32_t> CommandOptions::Number(const std::string& option) const {
  const auto text = Value(option);
  if (!text) return std::nullopt;
  // Digits only, as the number fields take them.
  if (text->empty() || text->size() > 9 ||
      !std::all_of(text->begin(), text->end(), [](char c) { return c >= '0' && c <= '9'; }))
    Misuse(Format("„%s“ erwartet eine Zahl (höchstens neun Ziffern), nicht „%s“.", option.c_str(), text->c_str()));
  return static_cast<int32_t>(std::stol(*text));
}

int RunTeamCommand(const TeamCommand& command, const std::vector<std::string>& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << command.usage << kSavedWithProblemHelp;
    return 0;
  }
  try {
    const CommandOptions options(args, command.valueOptions, command.repeatableOptions, command.flags);
    for (const auto& [option, value] : options.AllValues())
      if (auto problem = OptionTextProblem(option, value, Contains(command.multiLineOptions, option))) Refuse(*problem);
    // Read, change and write as one step: a second krv on this file waits for this one.
    const FileLock lock(options.File());
    auto team = LoadTeamFile(options.File());
    // As the team window at its first display.
    team->Recalculate();
    const ProgramSettings settings = LoadToolSettings();
    const std::string done = command.change(*team, settings, options);
    team->Recalculate();
    team->CalcTeamwert();
    const SaveResult result = SaveTeamFile(*team, options.File());
    NoteChangeSaved();
    if (result.replacedCharacters)
      std::cerr << "krv: " << ReplacedCharactersNotice(options.File(), result.replacedCharacters) << "\n";
    std::cout << done << "\n";
    return 0;
  } catch (const CommandRefusal& refusal) {
    if (refusal.status == 0) {
      std::cout << refusal.message << "\n";
      return 0;
    }
    std::cerr << "krv: " << refusal.message << "\n";
    if (refusal.status == 2) std::cerr << "\n" << command.usage;
    return refusal.status;
  }
}

CKRSpieler& SelectPlayer(CKRTeam& team, const CommandOptions& options) {
  const auto nr = options.Number("--nr");
  const auto id = options.Number("--id");
  if (nr.has_value() == id.has_value())
    Misuse("Den Spieler bitte mit genau einer der Optionen --nr oder --id angeben.");
  CKRSpieler* found = nullptr;
  if (id) {
    for (const auto& s : team.m_Spieler)
      if (s && s->m_nID == *id) return *s;
    Refuse(Format("Das Team hat keinen Spieler mit der ID %ld.", static_cast<long>(*id)));
  }
  for (const auto& s : team.m_Spieler) {
    if (!s || !s->IsActive() || s->m_nNummer != *nr) continue;
    if (found)
      Refuse(Format("Mehrere aktive Spieler tragen die Nummer %ld; wählen Sie den Spieler mit --id.",
                    static_cast<long>(*nr)));
    found = s.get();
  }
  if (!found) Refuse(Format("Kein aktiver Spieler trägt die Nummer %ld.", static_cast<long>(*nr)));
  return *found;
}

}  // namespace krv
