#include "app/qt/ChildFrame.h"

#include <QCloseEvent>

#include "app/qt/KrashballDoc.h"
#include "roster/qt/KrashballView.h"

namespace krv {

CChildFrame::CChildFrame(KrashballDoc* doc, QWidget* parent) : QMdiSubWindow(parent), m_pDoc(doc) {
  setAttribute(Qt::WA_DeleteOnClose);
  m_pView = new CKrashballView(doc, this);
  setWidget(m_pView);
  doc->setParent(this);  // after the view, so that the view goes first and the team last
  setWindowTitle(doc->Title());
  connect(doc, &KrashballDoc::TitleChanged, this, &QWidget::setWindowTitle);
  resize(560, 320);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (m_pDoc->SaveModified(this)) event->accept();
  else event->ignore();
}

}  // namespace krv
