#include "season/qt/AmountField.h"

#include <cstdint>

#include "ui/MessageBoxes.h"
#include "ui/NumberEdit.h"

namespace krv {

bool AmountFits(QWidget* dialog, NumberEdit* field) {
  if (field->Value() <= INT32_MAX) return true;
  ErrorBox(dialog, QStringLiteral("Der Betrag ist zu groß: höchstens 2.147.483.647 Goldstücke."));
  field->setFocus();
  field->selectAll();
  return false;
}

}  // namespace krv
