#pragma once
// The requester's own message boxes: German buttons, answerable by tests through QXTools.h.

#include <QString>

class QWidget;

namespace qxtools {

// "&Ja" / "&Nein"; true only for "&Ja". Escape and the close button answer no.
bool AskQuestion(QWidget* parent, const QString& text);
// A warning with "OK".
void ShowNotice(QWidget* parent, const QString& text);

}  // namespace qxtools
