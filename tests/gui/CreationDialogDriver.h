#pragma once
// Drives modal dialogs in widget tests: the action runs as soon as a dialog of the wanted
// class is the active modal window, from inside that dialog's own event loop. Brings the
// control classes the tests look up by name.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "ui/AppSettings.h"

// Readable failures for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
  *os << '"' << texts.join("\", \"").toStdString() << '"';
}

namespace krv::test {

// Polls every few milliseconds; gives up (and fails the test) after about ten seconds, so a
// dialog that never opens cannot hang the test run.
template <typename Dialog>
void WhenModal(std::function<void(Dialog*)> action) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible()) {
      timer->stop();
      timer->deleteLater();
      action(dialog);
      return;
    }
    if (++*tries > 2000) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "expected dialog " << Dialog::staticMetaObject.className() << " never opened";
      if (QWidget* other = QApplication::activeModalWidget()) other->close();
    }
  });
  timer->start();
}

// The child of `parent` with the object name, failing the test when there is none.
template <typename Widget>
Widget* Child(const QObject* parent, const QString& name) {
  auto* child = parent->findChild<Widget*>(name);
  EXPECT_NE(child, nullptr) << "no child " << name.toStdString();
  return child;
}
template <typename Widget>
Widget* Child(const QObject& parent, const QString& name) {
  return Child<Widget>(&parent, name);
}

// Shows a dialog made by `make`, resizes it and hides it; the next one made the same way must
// come back in that size, stored under `layout`.
template <typename Make>
void ExpectSizeRemembered(Make make, const QString& layout, QSize size) {
  {
    auto dialog = make();
    dialog->show();
    dialog->resize(size);
    dialog->hide();
  }
  EXPECT_TRUE(AppSettings().contains(layout + "/Right")) << layout.toStdString();
  auto again = make();
  again->show();
  EXPECT_EQ(again->size(), size) << layout.toStdString();
}

// The rows of a tree list as the coach reads them: each row's first `columns` texts joined
// by "|" (all columns for -1).
inline QStringList ItemTexts(const QTreeWidget* list, int columns = 1) {
  QStringList rows;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QStringList texts;
    for (int c = 0; c < (columns < 0 ? list->columnCount() : columns); ++c) texts << list->topLevelItem(i)->text(c);
    rows << texts.join('|');
  }
  return rows;
}

// The first row of the tree list with `text` in the column, failing the test when there is none.
inline QTreeWidgetItem* FindItem(const QTreeWidget* list, const QString& text, int column = 0) {
  const QList<QTreeWidgetItem*> found = list->findItems(text, Qt::MatchExactly, column);
  EXPECT_FALSE(found.isEmpty()) << text.toStdString();
  return found.isEmpty() ? nullptr : found.first();
}

// A mouse click on the row (then a double click when `twice`), scrolled into view first.
inline void ClickItem(QTreeWidget* list, QTreeWidgetItem* item, bool twice = false,
                      Qt::KeyboardModifiers keys = Qt::NoModifier) {
  ASSERT_NE(item, nullptr);
  list->scrollToItem(item);
  const QPoint at = list->visualItemRect(item).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, at);
  if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, keys, at);
}

}  // namespace krv::test
