#include "teamwindow/qt/TeamPages.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "teamwindow/qt/TeamDocument.h"
#include "teamwindow/qt/LedgerPage.h"
#include "teamwindow/qt/MatchesPage.h"
#include "teamwindow/qt/MiscPage.h"
#include "teamwindow/qt/PlayersPage.h"
#include "teamwindow/qt/StaffPage.h"

namespace krv {
namespace {

// The six 16×16 tab pictures, drawn once.
enum class TabPicture { Personal, Spieler, Ausgaben, Einnahmen, Spiele, Sonstiges };

QIcon DrawTabPicture(TabPicture picture) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPen outline(QColor(40, 40, 40), 1);
  switch (picture) {
    case TabPicture::Personal: {  // two people: coach and staff
      p.setPen(outline);
      p.setBrush(QColor(110, 150, 210));
      p.drawEllipse(QRectF(8.5, 2.5, 5, 5));
      p.drawRoundedRect(QRectF(7.5, 8.5, 7, 6.5), 2, 2);
      p.setBrush(QColor(230, 180, 60));
      p.drawEllipse(QRectF(2.5, 3.5, 5, 5));
      p.drawRoundedRect(QRectF(1.5, 9.5, 7, 5.5), 2, 2);
      break;
    }
    case TabPicture::Spieler: {  // a helmet
      p.setPen(outline);
      p.setBrush(QColor(200, 40, 40));
      QPainterPath helmet;
      helmet.moveTo(2.5, 11.5);
      helmet.cubicTo(1.5, 2.5, 14.5, 0.5, 14.5, 10.5);
      helmet.lineTo(14.5, 13.5);
      helmet.lineTo(8.5, 13.5);
      helmet.lineTo(8.5, 11.5);
      helmet.closeSubpath();
      p.drawPath(helmet);
      p.setPen(QPen(QColor(60, 60, 60), 1.2));
      p.drawLine(QPointF(9.5, 9.5), QPointF(15, 9.5));
      p.drawLine(QPointF(10.5, 9.5), QPointF(10.5, 13.5));
      p.setPen(QPen(Qt::white, 1.2));
      p.drawLine(QPointF(5.5, 4.5), QPointF(9.5, 3.0));
      break;
    }
    case TabPicture::Ausgaben:
    case TabPicture::Einnahmen: {  // a coin with an arrow out or in
      const bool in = picture == TabPicture::Einnahmen;
      p.setPen(QPen(QColor(150, 110, 0), 1));
      p.setBrush(QColor(250, 205, 50));
      p.drawEllipse(QRectF(0.5, 4.5, 10, 10));
      p.setPen(QPen(QColor(150, 110, 0), 1.2));
      p.drawLine(QPointF(5.5, 7), QPointF(5.5, 12));
      const QColor arrow = in ? QColor(20, 140, 40) : QColor(200, 30, 30);
      p.setPen(QPen(arrow, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawLine(QPointF(12.5, 1.5), QPointF(12.5, 9.5));
      if (in) {
        p.drawLine(QPointF(10, 7), QPointF(12.5, 9.5));
        p.drawLine(QPointF(15, 7), QPointF(12.5, 9.5));
      } else {
        p.drawLine(QPointF(10, 4), QPointF(12.5, 1.5));
        p.drawLine(QPointF(15, 4), QPointF(12.5, 1.5));
      }
      break;
    }
    case TabPicture::Spiele: {  // a pitch with its halfway line
      p.setPen(QPen(Qt::white, 1));
      p.setBrush(QColor(40, 150, 50));
      p.drawRect(QRectF(0.5, 2.5, 15, 11));
      p.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(6, 6, 4, 4));
      p.setPen(QPen(QColor(120, 60, 20), 1));
      p.setBrush(QColor(150, 80, 30));
      p.drawEllipse(QRectF(10.5, 9, 3.5, 2.5));
      break;
    }
    case TabPicture::Sonstiges: {  // a note with lines
      p.setPen(outline);
      p.setBrush(QColor(255, 250, 210));
      p.drawRect(QRectF(2.5, 1.5, 11, 13));
      p.setPen(QPen(QColor(70, 90, 160), 1));
      for (int y = 4; y <= 12; y += 3) p.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
      break;
    }
  }
  return QIcon(pixmap);
}

// Every page answers F1 with its own help topic.
template <typename Page>
Page* MakePage(TeamDocument* doc, QWidget* parent, const char* helpTopic) {
  auto* page = new Page(doc, parent);
  if (page->property("helpTopic").toString().isEmpty()) page->setProperty("helpTopic", QString::fromLatin1(helpTopic));
  return page;
}

}  // namespace

TeamPages::TeamPages(TeamDocument* doc, QWidget* parent) : QTabWidget(parent), m_pDoc(doc) {
  setObjectName(QStringLiteral("TeamPages"));
  setWindowTitle(QStringLiteral("Eigenschaftsblatt"));
  setIconSize(QSize(16, 16));
  setDocumentMode(false);
  setUsesScrollButtons(false);  // all six tabs stay in sight: the sheet is never narrower than they are

  m_pPage1 = MakePage<StaffPage>(doc, this, "#TEAM_PERSONAL");
  m_pPage2 = MakePage<PlayersPage>(doc, this, "#TEAM_PLAYER");
  m_pPage3 = MakePage<ExpensesPage>(doc, this, "#TEAM_AUSGABEN");
  m_pPage4 = MakePage<IncomePage>(doc, this, "#TEAM_EINNAHMEN");
  m_pPage5 = MakePage<MatchesPage>(doc, this, "#TEAM_GAME");
  m_pPage6 = MakePage<MiscPage>(doc, this, "#TEAM_MISC");
  addTab(m_pPage1, DrawTabPicture(TabPicture::Personal), QStringLiteral("Personal"));
  addTab(m_pPage2, DrawTabPicture(TabPicture::Spieler), QStringLiteral("Spieler"));
  addTab(m_pPage3, DrawTabPicture(TabPicture::Ausgaben), QStringLiteral("Ausgaben"));
  addTab(m_pPage4, DrawTabPicture(TabPicture::Einnahmen), QStringLiteral("Einnahmen"));
  addTab(m_pPage5, DrawTabPicture(TabPicture::Spiele), QStringLiteral("Spiele"));
  addTab(m_pPage6, DrawTabPicture(TabPicture::Sonstiges), QStringLiteral("Sonstiges"));

  setCurrentIndex(0);
}

void TeamPages::RefreshAllPages() { ShowChange(TeamChange::Everything()); }

void TeamPages::ShowChange(const TeamChange& change) {
  m_pPage1->RefreshPage();  // a few names and fields
  m_pPage2->ShowChange(change);
  m_pPage3->ShowChange(change);
  m_pPage4->ShowChange(change);
  m_pPage5->ShowChange(change);
  m_pPage6->ShowChange(change);
}

}  // namespace krv
