#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "ui/BalancedLines.h"

namespace krv {
namespace {

MessageInterceptor& Interceptor() {
  static MessageInterceptor interceptor;
  return interceptor;
}

QMessageBox::Icon IconFor(BoxKind kind) {
  switch (kind) {
    case BoxKind::Rules:
    case BoxKind::Warning: return QMessageBox::Warning;
    case BoxKind::Bank:
    case BoxKind::Information: return QMessageBox::Information;
    case BoxKind::Delete:
    case BoxKind::Question: return QMessageBox::Question;
    case BoxKind::Error:
    case BoxKind::StopQuestion: return QMessageBox::Critical;
    case BoxKind::Plain: return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

// The window a box is centred on: its own when that is shown, else the active window, else
// the program's main window. A window not shown yet (a team window being opened) has no
// place on the screen to centre on.
QWidget* BoxParent(QWidget* parent) {
  if (parent && parent->window()->isVisible()) return parent;
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(window) && window->isVisible()) return window;
  return parent;
}

// The width at which the toolkit would start wrapping a box's text by itself, less room for
// the sign and the margins.
int LineWidthLimit(const QWidget* parent) {
  const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen();
  const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
  return std::min(screenWidth / 2, 500) - 100;
}

// Shows the box and returns the index of the pressed button, -1 when it was closed otherwise.
int Show(QWidget* parent, const MessageRequest& request) {
  if (Interceptor()) return Interceptor()(request);
  QWidget* boxParent = BoxParent(parent);
  QMessageBox box(IconFor(request.kind), request.caption, QString(), QMessageBox::NoButton, boxParent);
  box.setText(BalancedLines(request.text, box.fontMetrics(), LineWidthLimit(boxParent)));
  QList<QAbstractButton*> buttons;
  for (int i = 0; i < request.buttons.size(); ++i) {
    // The last button of a two-button box is the one Escape and the close button press.
    const auto role = i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
    buttons.append(box.addButton(request.buttons[i], role));
  }
  box.setDefaultButton(qobject_cast<QPushButton*>(buttons.value(request.defaultButton)));
  if (buttons.size() > 1) box.setEscapeButton(buttons.last());
  box.exec();
  return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

}  // namespace

void SetMessageInterceptor(MessageInterceptor interceptor) { Interceptor() = std::move(interceptor); }

QString ApplicationCaption() { return QStringLiteral("Krashball-Verwaltung"); }

void RulesMessageBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Rules, QStringLiteral("Hey Trainer! So nicht!"), text, {QStringLiteral("OK")}});
}

void BankMessageBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Bank, QStringLiteral("Die Bank sagt..."), text, {QStringLiteral("&Dann eben nicht")}});
}

int DeleteConfirmBox(QWidget* parent, const QString& text) {
  const int pressed =
      Show(parent,
           {BoxKind::Delete, QStringLiteral("Löschen"), text, {QStringLiteral("&Löschen"), QStringLiteral("&Nein")}});
  return pressed == 0 ? kIdYes : kIdNo;
}

void InformationBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Information, ApplicationCaption(), text, {QStringLiteral("OK")}});
}

void PlainBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Plain, ApplicationCaption(), text, {QStringLiteral("OK")}});
}

void WarningBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Warning, ApplicationCaption(), text, {QStringLiteral("OK")}});
}

void ErrorBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Error, ApplicationCaption(), text, {QStringLiteral("OK")}});
}

namespace {

// "&Ja" / "&Nein" with the sign of `kind`; true for "&Ja".
bool YesNoBox(QWidget* parent, BoxKind kind, const QString& text, QuestionDefault preselected) {
  return Show(parent, {kind,
                       ApplicationCaption(),
                       text,
                       {QStringLiteral("&Ja"), QStringLiteral("&Nein")},
                       preselected == QuestionDefault::No ? 1 : 0}) == 0;
}

}  // namespace

bool QuestionBox(QWidget* parent, const QString& text, QuestionDefault preselected) {
  return YesNoBox(parent, BoxKind::Question, text, preselected);
}

bool StopQuestionBox(QWidget* parent, const QString& text) {
  return YesNoBox(parent, BoxKind::StopQuestion, text, QuestionDefault::Yes);
}

int YesNoCancelBox(QWidget* parent, const QString& text) {
  const int pressed = Show(parent, {BoxKind::Question,
                                    ApplicationCaption(),
                                    text,
                                    {QStringLiteral("&Ja"), QStringLiteral("&Nein"), QStringLiteral("Abbrechen")}});
  return pressed < 0 ? 2 : pressed;
}

}  // namespace krv
