#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
    case BoxKind::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// Shows the box and returns the index of the pressed button, -1 when it was closed otherwise.
int Show(QWidget* parent, const MessageRequest& request) {
  if (Interceptor()) return Interceptor()(request);
  QMessageBox box(IconFor(request.kind), request.caption, request.text, QMessageBox::NoButton,
                  parent ? parent : QApplication::activeWindow());
  QList<QAbstractButton*> buttons;
  for (int i = 0; i < request.buttons.size(); ++i) {
    // The last button of a two-button box is the one Escape and the close button press.
    const auto role = i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
    buttons.append(box.addButton(request.buttons[i], role));
  }
  box.setDefaultButton(qobject_cast<QPushButton*>(buttons.value(0)));
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
  const int pressed = Show(parent, {BoxKind::Delete, QStringLiteral("Löschen"), text,
                                    {QStringLiteral("&Löschen"), QStringLiteral("&Nein")}});
  return pressed == 0 ? kIdYes : kIdNo;
}

void InformationBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Information, ApplicationCaption(), text, {QStringLiteral("OK")}});
}

void WarningBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Warning, ApplicationCaption(), text, {QStringLiteral("OK")}});
}

void ErrorBox(QWidget* parent, const QString& text) {
  Show(parent, {BoxKind::Error, ApplicationCaption(), text, {QStringLiteral("OK")}});
}

bool QuestionBox(QWidget* parent, const QString& text) {
  return Show(parent, {BoxKind::Question, ApplicationCaption(), text, {QStringLiteral("&Ja"), QStringLiteral("&Nein")}}) == 0;
}

int YesNoCancelBox(QWidget* parent, const QString& text) {
  const int pressed = Show(parent, {BoxKind::Question, ApplicationCaption(), text,
                                    {QStringLiteral("&Ja"), QStringLiteral("&Nein"), QStringLiteral("Abbrechen")}});
  return pressed < 0 ? 2 : pressed;
}

}  // namespace krv
