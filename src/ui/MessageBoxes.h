#pragma once
// The program's message boxes, all built in this one place so that widget tests can answer
// them instead of a person.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace krv {

enum class BoxKind { Rules, Bank, Delete, Information, Plain, Warning, Error, Question };

struct MessageRequest {
  BoxKind kind;
  QString caption;
  QString text;
  QStringList buttons;    // in order; the answer is the index of the pressed one
  int defaultButton = 0;  // the one Enter presses
};

// Results of DeleteConfirmBox, as the program has always returned them.
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// While set, boxes are not shown: the interceptor gets each request and returns the index of
// the button "pressed" (-1 for the window's close button). Tests use it; nullptr restores.
using MessageInterceptor = std::function<int(const MessageRequest&)>;
void SetMessageInterceptor(MessageInterceptor interceptor);

// "Hey Trainer! So nicht!" with "OK": a rule was broken.
void RulesMessageBox(QWidget* parent, const QString& text);
// "Die Bank sagt..." with "&Dann eben nicht": not enough gold.
void BankMessageBox(QWidget* parent, const QString& text);
// "Löschen" with "&Löschen" and "&Nein": kIdYes only for "&Löschen".
int DeleteConfirmBox(QWidget* parent, const QString& text);

// Notices and questions with the program's name as caption.
void InformationBox(QWidget* parent, const QString& text);
void PlainBox(QWidget* parent, const QString& text);  // "OK", no sign
void WarningBox(QWidget* parent, const QString& text);
void ErrorBox(QWidget* parent, const QString& text);
enum class QuestionDefault { Yes, No };
// "&Ja" / "&Nein"; true for "&Ja". Enter presses `preselected`.
bool QuestionBox(QWidget* parent, const QString& text, QuestionDefault preselected = QuestionDefault::Yes);
// "&Ja" (0), "&Nein" (1), "Abbrechen" (2, also the close button).
int YesNoCancelBox(QWidget* parent, const QString& text);

// The program's name, the caption of plain boxes.
QString ApplicationCaption();

}  // namespace krv
