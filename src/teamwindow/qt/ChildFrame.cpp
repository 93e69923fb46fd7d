#include "teamwindow/qt/ChildFrame.h"

#include <QCloseEvent>

#include "teamwindow/qt/KrashballDoc.h"
#include "teamwindow/qt/KrashballView.h"
#include "ui/MessageBoxes.h"

namespace krv {

CChildFrame::CChildFrame(KrashballDoc* doc, QWidget* parent) : QMdiSubWindow(parent), m_pDoc(doc) {
  setAttribute(Qt::WA_DeleteOnClose);
  m_pView = new CKrashballView(doc, this);
  setWidget(m_pView);
  doc->setParent(this);  // after the view, so that the view goes first and the team last
  setWindowTitle(doc->Title());
  connect(doc, &KrashballDoc::TitleChanged, this, &QWidget::setWindowTitle);
  resize(560, 320);
  connect(doc, &KrashballDoc::FileChangedOnDisk, this, &CChildFrame::OfferReload);
}

void CChildFrame::OfferReload() {
  if (m_bAskingReload) return;  // one question at a time; it loads what is there by then
  m_bAskingReload = true;
  QString question = QStringLiteral(
                         "Die Datei „%1“ wurde außerhalb dieses Fensters geändert.\n"
                         "Soll das Team neu geladen werden?")
                         .arg(m_pDoc->PathName());
  const bool unsaved = m_pDoc->IsModified();
  if (unsaved)
    question += QStringLiteral("\n\nIhre ungespeicherten Änderungen in diesem Fenster gehen dabei verloren!");
  // With unsaved work in the window, Enter must not throw it away.
  if (QuestionBox(this, question, unsaved ? QuestionDefault::No : QuestionDefault::Yes)) {
    QString error;
    if (!m_pDoc->ReloadFromDisk(&error)) ErrorBox(this, error);
  } else {
    // Keeping the window's team: it differs from the file now.
    m_pDoc->SetModifiedFlag(true);
  }
  m_bAskingReload = false;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (m_pDoc->SaveModified(this)) event->accept();
  else event->ignore();
}

}  // namespace krv
