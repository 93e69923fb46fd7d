#include "ui/MultiLineText.h"

#include <QPlainTextEdit>

#include "model/LineEnds.h"

namespace krv {

QPlainTextEdit* NewMultiLineEdit(QWidget* parent, const QString& objectName) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setObjectName(objectName);
  edit->setTabChangesFocus(true);
  return edit;
}

QString ShownLines(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

std::string EditedLines(const QPlainTextEdit* edit, const std::string& stored) {
  const QString shown = edit->toPlainText();
  return shown == ShownLines(stored) ? stored : WithWindowsLineEnds(shown.toStdString());
}

}  // namespace krv
