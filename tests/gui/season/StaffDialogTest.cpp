// "Personal ändern": captions and buttons by mode and kind, the career box, its results.

#include <gtest/gtest.h>

#include <functional>

#include "gui/CreationDialogDriver.h"
#include "season/qt/StaffDialog.h"
#include "support/MessageRecorder.h"

namespace krv {
namespace {

using test::Child;
using test::WhenModal;

// New mode: "&Neu", caption by kind, no "&Löschen" and no career box.
TEST(StaffDialog, NewModeByKind) {
  const std::pair<PersonalArt, const char*> kinds[] = {{kPersonalCoTrainer, "Neue(n) CoTrainerIn"},
                                                       {kPersonalCheerleader, "Neue(n) CheerleaderIn"},
                                                       {kPersonalSani, "Neuen Sani"},
                                                       {kPersonalZauberer, "Neuen Zauberer"},
                                                       {kPersonalZombie, "Neuen Zombie"},
                                                       {kPersonalSpieler, "Neuen Spieler"}};
  for (const auto& [art, caption] : kinds) {
    StaffDialog dlg;
    dlg.m_bNeu = true;
    dlg.m_nArt = art;
    dlg.m_strName = QStringLiteral("Blitzer7");
    WhenModal<StaffDialog>([&](StaffDialog* d) {
      EXPECT_EQ(d->windowTitle(), QString::fromUtf8(caption));
      EXPECT_EQ(Child<QPushButton>(d, "ok")->text(), "&Neu");
      EXPECT_FALSE(Child<QPushButton>(d, "loeschen")->isVisible());
      EXPECT_FALSE(Child<QCheckBox>(d, "zeigeLebenslauf")->isVisible());
      EXPECT_EQ(Child<QLineEdit>(d, "name")->text(), "Blitzer7");
      Child<QPushButton>(d, "ok")->click();
    });
    EXPECT_EQ(dlg.exec(), StaffDialog::kIdOk);
    EXPECT_EQ(dlg.m_strName, "Blitzer7");
  }
}

// Change mode: the career box reads " Zeige Lebenslauf *" while there is a career text,
// starts cleared, shows and hides the text; OK stores the fields and says whether the name
// stayed the same apart from case.
TEST(StaffDialog, ChangeModeCareer) {
  StaffDialog dlg;
  dlg.m_bNeu = false;
  dlg.m_nArt = kPersonalCheerleader;
  dlg.m_strName = QStringLiteral("Lugdusch");
  dlg.m_strLebenslauf = QStringLiteral("01.03.07 Tanzt beim Heimspiel\r\n02.04.07 Verletzt");
  WhenModal<StaffDialog>([](StaffDialog* d) {
    EXPECT_EQ(d->windowTitle(), "CheerleaderIn ändern");
    EXPECT_TRUE(Child<QPushButton>(d, "loeschen")->isVisible());
    auto* box = Child<QCheckBox>(d, "zeigeLebenslauf");
    auto* career = Child<QPlainTextEdit>(d, "lebenslauf");
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->text(), " Zeige Lebenslauf *");
    EXPECT_FALSE(career->isVisible());
    box->click();
    EXPECT_TRUE(career->isVisible());
    EXPECT_EQ(career->toPlainText(), "01.03.07 Tanzt beim Heimspiel\n02.04.07 Verletzt");
    career->clear();
    EXPECT_EQ(box->text(), " Zeige Lebenslauf");
    career->setPlainText(QStringLiteral("Neu\nZweite"));
    box->click();
    EXPECT_FALSE(career->isVisible());
    Child<QLineEdit>(d, "name")->setText(QStringLiteral("LUGDUSCH"));
    Child<QPushButton>(d, "ok")->click();
  });
  EXPECT_EQ(dlg.exec(), StaffDialog::kIdOk);
  EXPECT_EQ(dlg.m_strName, "LUGDUSCH");
  EXPECT_EQ(dlg.m_strAlterName, "Lugdusch");
  EXPECT_TRUE(dlg.m_bNameUnveraendert);
  EXPECT_EQ(dlg.m_strLebenslauf, "Neu\r\nZweite");  // the team's line ends
}

// A career text left alone stays byte for byte; a new name is not "unchanged".
TEST(StaffDialog, UntouchedCareerStays) {
  StaffDialog dlg;
  dlg.m_bNeu = false;
  dlg.m_nArt = kPersonalCoTrainer;
  dlg.m_strName = QStringLiteral("Gorbag");
  dlg.m_strLebenslauf = QStringLiteral("nur\nLF\r\nund CRLF");
  WhenModal<StaffDialog>([](StaffDialog* d) {
    Child<QLineEdit>(d, "name")->setText(QStringLiteral("Gorbag II"));
    Child<QPushButton>(d, "ok")->click();
  });
  EXPECT_EQ(dlg.exec(), StaffDialog::kIdOk);
  EXPECT_EQ(dlg.m_strLebenslauf, "nur\nLF\r\nund CRLF");
  EXPECT_FALSE(dlg.m_bNameUnveraendert);
}

// "&Löschen" gives 3, "&Abbruch" and Escape give 2.
TEST(StaffDialog, Results) {
  const std::pair<std::function<void(StaffDialog*)>, int> cases[] = {
      {[](StaffDialog* d) { Child<QPushButton>(d, "loeschen")->click(); }, StaffDialog::kIdLoeschen},
      {[](StaffDialog* d) { Child<QPushButton>(d, "abbruch")->click(); }, StaffDialog::kIdAbbruch},
      {[](StaffDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, StaffDialog::kIdAbbruch}};
  for (const auto& [press, result] : cases) {
    StaffDialog dlg;
    dlg.m_bNeu = false;
    WhenModal<StaffDialog>(press);
    EXPECT_EQ(dlg.exec(), result);
  }
}

// Names are limited to 100 characters; a longer one from a file is shown whole and OK then
// asks for a shorter one instead of cutting it.
TEST(StaffDialog, NameLength) {
  test::MessageRecorder messages;
  {
    StaffDialog dlg;
    WhenModal<StaffDialog>([](StaffDialog* d) {
      auto* name = Child<QLineEdit>(d, "name");
      EXPECT_EQ(name->maxLength(), 100);
      name->setText(QString(120, QLatin1Char('x')));
      EXPECT_EQ(name->text().size(), 100);
      Child<QPushButton>(d, "ok")->click();
    });
    EXPECT_EQ(dlg.exec(), StaffDialog::kIdOk);
    EXPECT_EQ(dlg.m_strName.size(), 100);
  }
  {
    StaffDialog dlg;
    dlg.m_bNeu = false;
    dlg.m_strName = QString(130, QLatin1Char('y'));
    WhenModal<StaffDialog>([&](StaffDialog* d) {
      EXPECT_EQ(Child<QLineEdit>(d, "name")->text().size(), 130);
      Child<QPushButton>(d, "ok")->click();
      EXPECT_TRUE(d->isVisible());  // refused; the dialog stays open
      Child<QLineEdit>(d, "name")->setText(QStringLiteral("kurz"));
      Child<QPushButton>(d, "ok")->click();
    });
    EXPECT_EQ(dlg.exec(), StaffDialog::kIdOk);
    EXPECT_EQ(dlg.m_strName, "kurz");
    ASSERT_EQ(messages.requests.size(), 1u);
    EXPECT_EQ(messages.requests[0].text, "Geben Sie nicht mehr als 100 Zeichen ein.");
  }
}

}  // namespace
}  // namespace krv
