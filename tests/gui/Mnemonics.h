#pragma once
// The Alt+letter keys of a window in widget tests.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace krv::test {

// The letter after a single "&" in a control's text, or nothing.
inline QChar MnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1].toLower();
    ++i;  // "&&" is a plain ampersand
  }
  return {};
}

// The texts of the controls now shown in `window` that share their Alt+letter with another
// one ("&Position" and "SS&P"). Such a letter only moves the focus between them.
inline QStringList MnemonicClashes(const QWidget* window) {
  QMap<QChar, QStringList> owners;
  const auto note = [&owners](const QString& text) {
    if (const QChar letter = MnemonicOf(text); !letter.isNull()) owners[letter] << text;
  };
  for (const QWidget* child : window->findChildren<QWidget*>()) {
    if (!child->isVisibleTo(window)) continue;
    if (const auto* button = qobject_cast<const QAbstractButton*>(child)) note(button->text());
    else if (const auto* label = qobject_cast<const QLabel*>(child); label && label->buddy()) note(label->text());
    else if (const auto* group = qobject_cast<const QGroupBox*>(child)) note(group->title());
    else if (const auto* tabs = qobject_cast<const QTabBar*>(child))
      for (int i = 0; i < tabs->count(); ++i) note(tabs->tabText(i));
  }
  QStringList clashes;
  for (const QStringList& texts : owners)
    if (texts.size() > 1) clashes << texts.join(" / ");
  return clashes;
}

}  // namespace krv::test
