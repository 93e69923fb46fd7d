#pragma once
// Multi-line text fields of the dialogs. The team keeps such texts with "\r\n" line ends (the
// core stores every edited text that way); a field shows them as lines. Tab in such a field
// moves on to the next control, as everywhere else, and never types a tab into the text.

#include <QString>
#include <string>

class QPlainTextEdit;
class QWidget;

namespace krv {

QPlainTextEdit* NewMultiLineEdit(QWidget* parent, const QString& objectName);

// The team's text with its line ends as the field shows them.
QString ShownLines(const std::string& text);

// What goes back to the team: `stored` itself while the field still shows it unchanged (an old
// file's line ends stay as they were), else the field's text with the team's line ends.
std::string EditedLines(const QPlainTextEdit* edit, const std::string& stored);

}  // namespace krv
