#include "tool/ToolCommand.h"

#include <algorithm>
#include <iostream>
#include <list>

#include "model/ControlCharacters.h"
#include "model/Windows1252.h"

namespace krv {
namespace {

// A list: registered commands never move, so the pointers handed out stay valid.
std::list<ToolCommand>& Registry() {
  static std::list<ToolCommand> commands;
  return commands;
}

constexpr size_t kHelpColumn = 21;  // where the descriptions start

}  // namespace

ToolCommandRegistration::ToolCommandRegistration(ToolCommand command) { Registry().push_back(std::move(command)); }

std::vector<const ToolCommand*> ToolCommands() {
  std::vector<const ToolCommand*> commands;
  for (const ToolCommand& command : Registry()) commands.push_back(&command);
  std::stable_sort(commands.begin(), commands.end(), [](const ToolCommand* a, const ToolCommand* b) {
    return a->order != b->order ? a->order < b->order : a->name < b->name;
  });
  return commands;
}

const ToolCommand* FindToolCommand(const std::string& name) {
  for (const ToolCommand& command : Registry())
    if (command.name == name) return &command;
  return nullptr;
}

std::string ToolUsage() {
  std::string usage = "Aufruf: krv BEFEHL [ARGUMENTE]\n\nBefehle:\n";
  auto line = [&usage](std::string head, const std::string& text) {
    head = "  " + head;
    // A long head gets its description on the next line.
    if (head.size() + 1 > kHelpColumn) {
      usage += head + "\n";
      head.clear();
    }
    head.resize(kHelpColumn, ' ');
    size_t start = 0;
    for (;;) {
      const size_t end = text.find('\n', start);
      usage += head + text.substr(start, end - start) + "\n";
      if (end == std::string::npos) break;
      head.assign(kHelpColumn, ' ');
      start = end + 1;
    }
  };
  for (const ToolCommand* command : ToolCommands())
    line(command->arguments.empty() ? command->name : command->name + " " + command->arguments, command->summary);
  line("--version", "zeigt die Versionsnummer");
  line("--help", "zeigt diese Hilfe");
  usage +=
      "\nRückgabewert: 0 bei Erfolg, 1 bei einer unlesbaren oder fehlerhaften Datei,\n"
      "2 bei falschem Aufruf; bei „neu“ und den Befehlen, die ein Team ändern, 1 auch, wenn es\n"
      "so nicht geht (die Datei bleibt dann unverändert). 3: Die Änderung ist gespeichert, aber\n"
      "die Meldung dazu oder die Aufnahme in die System-Teamliste ist fehlgeschlagen (den Befehl\n"
      "also nicht wiederholen).\n";
  return usage;
}

namespace {
bool g_changeSaved = false;
}  // namespace

void NoteChangeSaved() { g_changeSaved = true; }
bool ChangeSaved() { return g_changeSaved; }

std::optional<std::string> OptionTextProblem(const std::string& option, const std::string& value, bool multiLine) {
  if (!IsValidUtf8(value)) return "„" + option + "“ enthält Bytes, die kein gültiger UTF-8-Text sind.";
  if (HasControlCharacters(value, multiLine))
    return "„" + option + "“ enthält ein Steuerzeichen (etwa Escape, Tabulator" +
           std::string(multiLine ? "" : " oder einen Zeilenumbruch") + "); das ist hier nicht erlaubt.";
  return std::nullopt;
}

int ToolUsageError(const std::string& message) {
  std::cerr << "krv: " << message << "\n\n" << ToolUsage();
  return 2;
}

}  // namespace krv
