#pragma once
// Drives the real requester window from inside a test: waits until it is open, hands it to the
// test's code, and answers the library's message boxes.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <type_traits>

#include "qxtools/CCFileDialog.h"
#include "qxtools/QXTools.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace qxtest {

template <typename T>
T* Child(QDialog* dialog, const char* name) {
  T* child = dialog->findChild<T*>(QLatin1String(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

inline QLineEdit* NameEdit(QDialog* dialog) { return Child<QLineEdit>(dialog, "fileNameEdit"); }
inline QComboBox* Places(QDialog* dialog) { return Child<QComboBox>(dialog, "placesCombo"); }
inline QComboBox* Types(QDialog* dialog) { return Child<QComboBox>(dialog, "filterCombo"); }
inline QPushButton* OkButton(QDialog* dialog) { return Child<QPushButton>(dialog, "okButton"); }
inline QAction* Action(QDialog* dialog, const char* name) { return Child<QAction>(dialog, name); }

// The folder the requester shows, as "Ort:" displays it.
inline QString ShownFolder(QDialog* dialog) { return Places(dialog)->currentText(); }

// Types a name into "Dateiname:" and presses OK.
inline void Choose(QDialog* dialog, const QString& name) {
  NameEdit(dialog)->setText(name);
  OkButton(dialog)->click();
}

// The list view on screen and the rows it shows once the folder is read.
inline QAbstractItemView* ShownList(QDialog* dialog) {
  for (const char* name : {"detailsView", "listView"}) {
    auto* view = dialog->findChild<QAbstractItemView*>(QLatin1String(name));
    if (view && view->isVisibleTo(dialog)) return view;
  }
  ADD_FAILURE() << "no file list shown";
  return nullptr;
}

inline QStringList ShownNames(QDialog* dialog) {
  QStringList names;
  QAbstractItemView* view = ShownList(dialog);
  if (!view) return names;
  const QModelIndex root = view->rootIndex();
  for (int row = 0; row < view->model()->rowCount(root); ++row)
    names << view->model()->index(row, 0, root).data().toString();
  names.sort();
  return names;
}

// Waits until the list shows exactly these names (the file system is read in the background);
// a failure names what was shown.
inline ::testing::AssertionResult WaitForNames(QDialog* dialog, QStringList expected) {
  expected.sort();
  if (QTest::qWaitFor([&] { return ShownNames(dialog) == expected; }, 10000)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "shown: " << ShownNames(dialog).join(", ").toStdString();
}

// Runs DoModal; `drive` gets the open window and must close it. A window left open is a
// failure and is cancelled, so a broken test never hangs.
inline int RunWith(CCFileDialog& handle, const std::function<void(QDialog*)>& drive) {
  bool driven = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (driven || !dialog || dialog->objectName() != QLatin1String("fileRequester")) return;
    driven = true;
    poll.stop();
    drive(dialog);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the requester is still open";
      dialog->reject();
    }
  });
  poll.start();
  return handle.DoModal();
}

// Opens the requester, hands it to `look` and cancels it (the result must say so); gives what
// `look` returned, if anything.
template <typename Handle, typename Look>
auto Peek(Handle&& handle, Look look) {
  using Seen = decltype(look(nullptr));
  std::conditional_t<std::is_void_v<Seen>, int, Seen> seen{};
  EXPECT_EQ(RunWith(handle,
                    [&](QDialog* dialog) {
                      if constexpr (std::is_void_v<Seen>) look(dialog);
                      else seen = look(dialog);
                      dialog->reject();
                    }),
            CCFileDialog::IDCANCEL);
  return seen;
}

// Hands the next modal dialog (a box the requester opens) to `answer` once it is open.
inline void OnNextBox(const std::function<void(QDialog*)>& answer) {
  QTimer::singleShot(0, [answer] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    answer(box);
  });
}

// The number of files chosen, then each path as GetPath hands them out from the first on.
inline QStringList Chosen(CCFileDialog& handle) {
  QStringList paths{QString::number(handle.CountFiles())};
  for (QString path = handle.GetPath(true); !path.isEmpty() && paths.size() < 10; path = handle.GetPath(false))
    paths << path;
  return paths;
}

// Makes the first row of the list the current one.
inline void SelectFirst(QDialog* dialog) {
  QAbstractItemView* list = ShownList(dialog);
  list->setCurrentIndex(list->model()->index(0, 0, list->rootIndex()));
}

inline QStringList ComboTexts(QComboBox* combo) {
  QStringList texts;
  for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  return texts;
}

inline QVariant Setting(const QString& key) { return QSettings().value(key); }

// Answers the library's questions with no and records all boxes.
struct BoxRecorder {
  QStringList questions;
  QStringList notices;

  BoxRecorder() {
    QXTools::SetQuestionInterceptor([this](const QString& text) {
      questions << text;
      return false;
    });
    QXTools::SetNoticeInterceptor([this](const QString& text) { notices << text; });
  }
  ~BoxRecorder() {
    QXTools::SetQuestionInterceptor(nullptr);
    QXTools::SetNoticeInterceptor(nullptr);
  }
  BoxRecorder(const BoxRecorder&) = delete;
  BoxRecorder& operator=(const BoxRecorder&) = delete;
};

inline void WriteFile(const QString& path, const QByteArray& bytes = "x") {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

constexpr auto kTeamFilter = "Krashball-Team (*.krt)|*.krt|Alle Dateien (*.*)|*.*||";

// Every test starts with nothing remembered.
class RequesterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings settings;
    settings.remove(QStringLiteral("QXGUI"));
    settings.remove(QStringLiteral("FileRequester"));
    ASSERT_TRUE(dir.isValid());
    folder = QDir::cleanPath(dir.path());
  }

  QString Path(const QString& name) const { return folder + QLatin1Char('/') + name; }

  // A requester for `path` (the test's folder by default), opening team files unless told.
  CCFileDialog Handle(QString path = {}, const QString& filter = kTeamFilter, int flags = 0, bool open = true) const {
    CCFileDialog dlg(nullptr, false);
    dlg.SetProperties(open, path.isNull() ? folder + QLatin1Char('/') : path, filter, QString(), flags);
    return dlg;
  }
  CCFileDialog OpenInFolder(int flags = 0) const { return Handle({}, kTeamFilter, flags); }

  QTemporaryDir dir;
  QString folder;
};

}  // namespace qxtest
