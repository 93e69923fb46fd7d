#include "teamwindow/PageCommands.h"

namespace krv {

bool NeedsSelection(PageCommand command) { return command == PageCommand::Delete || command == PageCommand::Change; }

bool CommandEnabled(PageCommand command, bool available, bool rowSelected) {
  return available && (rowSelected || !NeedsSelection(command));
}

}  // namespace krv
