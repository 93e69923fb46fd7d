#include "teamwindow/qt/TeamFrame.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QSettings>
#include <QStyle>

#include "model/Team.h"
#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/qt/TeamView.h"
#include "teamwindow/qt/TeamStatisticsDialog.h"
#include "ui/AppSettings.h"
#include "ui/MessageBoxes.h"

namespace krv {

TeamFrame::TeamFrame(TeamDocument* doc, QWidget* parent) : QMdiSubWindow(parent), m_pDoc(doc) {
  setAttribute(Qt::WA_DeleteOnClose);
  m_pView = new TeamView(doc, this);
  setWidget(m_pView);
  doc->setParent(this);  // after the view, so that the view goes first and the team last
  setWindowTitle(doc->Title());
  connect(doc, &TeamDocument::TitleChanged, this, &QWidget::setWindowTitle);
  resize(560, 320);
  connect(doc, &TeamDocument::FileChangedOnDisk, this, &TeamFrame::OfferReload);
}

void TeamFrame::OfferReload() {
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

void TeamFrame::closeEvent(QCloseEvent* event) {
  if (m_pDoc->SaveModified(this)) event->accept();
  else event->ignore();
}

void TeamFrame::ShowStatistics() {
  if (!m_pView->Pages()) return;
  TeamStatisticsDialog dialog(m_pDoc->Team(), this);
  dialog.exec();
}

void TeamFrame::PlaceWindow(const std::optional<QRect>& previous) {
  if (m_bPlaced || !m_pView->Pages() || !mdiArea()) return;
  m_bPlaced = true;
  if (!RestorePlacement()) Cascade(previous);
  // A hidden window gets its move and resize events only when shown, perhaps maximised.
  if (!isMinimized() && !isMaximized()) m_normalGeometry = geometry();
  mdiArea()->viewport()->installEventFilter(this);
}

QRect TeamFrame::NormalGeometry() const {
  return !isMinimized() && !isMaximized() && m_bPlaced ? geometry() : m_normalGeometry;
}

PlacementArea TeamFrame::Area() const {
  const QSize area = mdiArea()->viewport()->size();
  const QSize smallest = minimumSizeHint().expandedTo(minimumSize());
  return {area.width(), area.height(), smallest.width(), smallest.height()};
}

void TeamFrame::Cascade(const std::optional<QRect>& previous) {
  const PlacementArea area = Area();
  FramePlacement before;
  if (previous) before = {previous->x(), previous->y(), previous->width(), previous->height()};
  CascadeRequest request;
  request.previous = previous ? &before : nullptr;
  request.width = sizeHint().width();  // the view asks for what its form shows
  request.height = sizeHint().height();
  request.minWidth = area.minWidth;
  request.minHeight = area.minHeight;
  request.areaWidth = area.width;
  request.areaHeight = area.height;
  request.step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  const FramePlacement place = CascadePlacement(request);
  setGeometry(place.left, place.top, place.sizeX, place.sizeY);
}

bool TeamFrame::RestorePlacement() {
  const std::string name = m_pDoc->Team().m_strName;
  QSettings settings = AppSettings();
  settings.beginGroup(QString::fromStdString(TeamPlacementSection(name)));
  const QRect current = geometry();
  FramePlacement stored;
  stored.left = settings.value(QStringLiteral("Left"), current.x()).toInt();
  stored.top = settings.value(QStringLiteral("Top"), current.y()).toInt();
  stored.sizeX = settings.value(QStringLiteral("SizeX"), 0).toInt();
  stored.sizeY = settings.value(QStringLiteral("SizeY"), current.height()).toInt();
  settings.endGroup();
  if (!IsRestorablePlacement(name, stored)) return false;
  m_restored = stored;
  FitRestoredPlacement();
  return true;
}

void TeamFrame::FitRestoredPlacement() {
  const FramePlacement place = KeepInsideArea(*m_restored, Area());
  m_fitted = QRect(place.left, place.top, place.sizeX, place.sizeY);  // before its move and resize events
  setGeometry(m_fitted);
  m_fitted = geometry();
}

void TeamFrame::StorePlacement() {
  // Minimised or maximised, the geometry is the strip or the whole area: what is kept is the
  // last geometry the window had in its normal state.
  const QRect rect = NormalGeometry();
  if (!m_bPlaced || !rect.isValid()) return;
  const FramePlacement placement{rect.x(), rect.y(), rect.width(), rect.height()};
  if (!IsStorablePlacement(placement)) return;
  QSettings settings = AppSettings();
  settings.beginGroup(QString::fromStdString(TeamPlacementSection(m_pDoc->Team().m_strName)));
  settings.setValue(QStringLiteral("Left"), placement.left);
  settings.setValue(QStringLiteral("Top"), placement.top);
  settings.setValue(QStringLiteral("SizeX"), placement.sizeX);
  settings.setValue(QStringLiteral("SizeY"), placement.sizeY);
  settings.endGroup();
}

void TeamFrame::NoteNormalGeometry() {
  if (!m_bPlaced || isMinimized() || isMaximized()) return;
  m_normalGeometry = geometry();
  if (m_restored && geometry() != m_fitted) m_restored.reset();  // the coach placed it himself
}

void TeamFrame::showEvent(QShowEvent* event) {
  QMdiSubWindow::showEvent(event);
  PlaceWindow();
}

void TeamFrame::hideEvent(QHideEvent* event) {
  // The window goes (closed, or the program ends): its placement is kept for next time.
  StorePlacement();
  QMdiSubWindow::hideEvent(event);
}

void TeamFrame::moveEvent(QMoveEvent* event) {
  QMdiSubWindow::moveEvent(event);
  NoteNormalGeometry();
}

void TeamFrame::resizeEvent(QResizeEvent* event) {
  QMdiSubWindow::resizeEvent(event);
  NoteNormalGeometry();
}

bool TeamFrame::eventFilter(QObject* watched, QEvent* event) {
  // The main window's area changed size (a main window maximised after the team was opened,
  // or made smaller): a restored window the coach has not moved keeps inside it.
  if (event->type() == QEvent::Resize && m_restored && mdiArea() && watched == mdiArea()->viewport() &&
      !isMinimized() && !isMaximized())
    FitRestoredPlacement();
  return QMdiSubWindow::eventFilter(watched, event);
}

}  // namespace krv
