#include "qxtools/RequesterMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "qxtools/QXTools.h"

namespace qxtools {
namespace {

QXTools::QuestionInterceptor& QuestionHook() {
  static QXTools::QuestionInterceptor hook;
  return hook;
}

QXTools::NoticeInterceptor& NoticeHook() {
  static QXTools::NoticeInterceptor hook;
  return hook;
}

// The box carries the caption of the window it belongs to.
QString CaptionFor(QWidget* parent) {
  if (parent && !parent->window()->windowTitle().isEmpty()) return parent->window()->windowTitle();
  return QApplication::applicationDisplayName();
}

}  // namespace

bool AskQuestion(QWidget* parent, const QString& text) {
  if (QuestionHook()) return QuestionHook()(text);
  QMessageBox box(QMessageBox::Question, CaptionFor(parent), text, QMessageBox::NoButton, parent);
  QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

void ShowNotice(QWidget* parent, const QString& text) {
  if (NoticeHook()) {
    NoticeHook()(text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, CaptionFor(parent), text, QMessageBox::NoButton, parent);
  box.setDefaultButton(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
  box.exec();
}

}  // namespace qxtools

namespace QXTools {

void SetQuestionInterceptor(QuestionInterceptor interceptor) { qxtools::QuestionHook() = std::move(interceptor); }

void SetNoticeInterceptor(NoticeInterceptor interceptor) { qxtools::NoticeHook() = std::move(interceptor); }

}  // namespace QXTools
