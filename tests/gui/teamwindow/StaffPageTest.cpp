// Page "Personal": labels by race, enabling by the staff flags, name edits, dismissals with
// and without the question, changing assistant coaches and cheerleaders in the staff
// dialog, and the hiring operations the expense entry calls.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "gui/CreationDialogDriver.h"
#include "gui/roster/RosterTestSupport.h"
#include "season/qt/StaffDialog.h"

namespace krv {
namespace {

using test::Child;
using test::WhenModal;

class StaffPageTest : public test::SheetTest {
 protected:
  void SetUp() override {
    SheetTest::SetUp();
    m_app->m_Settings.m_bFragen = 1;
  }
  void Open(std::unique_ptr<CKRTeam> team) {
    OpenSheet(std::move(team));
    m_page = m_sheet->Staff();
  }
  template <typename W>
  W* Find(const char* name) {
    return Child<W>(m_page, QString::fromLatin1(name));
  }
  QStringList ListTexts(const char* name) {
    QStringList texts;
    auto* list = Find<QListWidget>(name);
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }
  void Select(const char* list, const QString& name) {
    auto* widget = Find<QListWidget>(list);
    const auto found = widget->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString();
    widget->setCurrentItem(found.first());
  }
  int EventRows() { return m_sheet->Misc()->List()->model()->rowCount(); }
  // Selects the name in the list and presses "&Entlassen" in the dialog its "&Ändern" opens.
  void DismissInDialog(const char* list, const QString& name) {
    Select(list, name);
    WhenModal<StaffDialog>([](StaffDialog* dialog) { Child<QPushButton>(dialog, "loeschen")->click(); });
    Find<QPushButton>((std::string(list) + "Aendern").c_str())->click();
  }

  StaffPage* m_page = nullptr;
};

// Filling: sorted lists, counts, names, the wizard label, "Ändern" only with a selection.
TEST_F(StaffPageTest, FilledFromTeam) {
  auto team = test::MakeSampleTeam();
  team->AddCheerleader({"anja"});
  team->AddCoTrainer({"Berta"});
  Open(std::move(team));
  EXPECT_EQ(ListTexts("cotrainer"), (QStringList{"Berta", "Cotrainer1"}));
  EXPECT_EQ(ListTexts("cheerleader"), (QStringList{"anja", "Cheerleader1", "Cheerleader2"}));
  EXPECT_EQ(Find<QLabel>("cheerleaderAnzahl")->text(), "Anzahl: 3");
  EXPECT_EQ(Find<QLineEdit>("trainer")->text(), "Der Trainer");
  EXPECT_EQ(Find<QLineEdit>("sani")->text(), "Der Sani");
  EXPECT_TRUE(Find<QLineEdit>("sani")->isEnabled());
  EXPECT_TRUE(Find<QToolButton>("saniEntlassen")->isEnabled());
  EXPECT_EQ(Find<QLabel>("zaubererLabel")->text(), "&Zauberer:");
  EXPECT_FALSE(Find<QLineEdit>("zauberer")->isEnabled());  // no wizard hired
  EXPECT_FALSE(Find<QToolButton>("zaubererEntlassen")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("cheerleaderAendern")->isEnabled());
  Select("cheerleader", "anja");
  EXPECT_TRUE(Find<QPushButton>("cheerleaderAendern")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>("cotrainerAendern")->isEnabled());
  EXPECT_TRUE(m_messages.requests.empty());
}

// Every change of a name field is a change of the team: modified, stored on the refresh.
TEST_F(StaffPageTest, EditingNamesModifiesTheTeam) {
  Open(test::MakeSampleTeam());
  auto* trainer = Find<QLineEdit>("trainer");
  trainer->selectAll();
  QTest::keyClicks(trainer, QStringLiteral("G"));
  trainer->insert(QStringLiteral("ü"));  // typed like a key, umlaut included
  QTest::keyClicks(trainer, QStringLiteral("nther"));
  EXPECT_TRUE(m_doc->IsModified());
  EXPECT_EQ(Team().m_strTrainer, "Günther");
  auto* sani = Find<QLineEdit>("sani");
  sani->end(false);
  QTest::keyClicks(sani, QStringLiteral(" "));
  sani->insert(QStringLiteral("Ö"));
  EXPECT_EQ(Team().m_strSani, "Der Sani Ö");
}

// Race 12: both fields read "nicht möglich", are disabled, and so is their dismissal. (That
// text never stored as a name: StaffOperations.ChangeStaffNamesOnlyWhereThereIsSomeone; a
// refresh writing no field back: TeamPages.RefreshAllPages.)
TEST_F(StaffPageTest, UntoteHaveNoApothecaryNorWizard) {
  auto team = test::MakeSampleTeam(12);
  team->m_strSani.clear();
  team->m_bSani = 0;
  Open(std::move(team));
  for (const char* field : {"sani", "zauberer"}) {
    EXPECT_EQ(Find<QLineEdit>(field)->text(), "nicht möglich");
    EXPECT_FALSE(Find<QLineEdit>(field)->isEnabled());
    EXPECT_FALSE(Find<QToolButton>((std::string(field) + "Entlassen").c_str())->isEnabled());
  }
}

// With the question on, "Nein" keeps the apothecary and the cheerleader; "Ja" dismisses
// them, the events page shows it at once and her expense stays in the expense list.
TEST_F(StaffPageTest, DismissalsAsk) {
  auto team = test::MakeSampleTeam();
  team->AddAusgabe({"CheerleaderIn Cheerleader2 angeworben.", 10000, kAusgabeCheerleader});
  Open(std::move(team));
  const int events = EventRows();
  const size_t expenses = Team().m_Ausgaben.size();
  m_messages.answers = {test::kNein, test::kNein};
  Find<QToolButton>("saniEntlassen")->click();
  DismissInDialog("cheerleader", "Cheerleader2");
  EXPECT_EQ(m_messages.Texts(), QStringList({"Soll Der Sani\nwirklich entlassen werden?",
                                             "Wollen Sie\nCheerleader2\nwirklich entlassen?"}));
  EXPECT_EQ(m_messages.requests[0].buttons, (QStringList{"&Ja", "&Nein"}));
  EXPECT_EQ(Team().m_strSani, "Der Sani");
  EXPECT_EQ(ListTexts("cheerleader"), (QStringList{"Cheerleader1", "Cheerleader2"}));
  EXPECT_FALSE(m_doc->IsModified());

  m_messages.answers = {test::kJa, test::kJa};
  Find<QToolButton>("saniEntlassen")->click();
  DismissInDialog("cheerleader", "Cheerleader2");
  EXPECT_EQ(m_messages.requests.size(), 4u);
  EXPECT_EQ(Team().m_strSani, "");
  EXPECT_EQ(NthRecord(Team().m_Ereignisse, static_cast<size_t>(events))->m_strText,
            "Der Sanitäter Der Sani verlässt das Team!");
  EXPECT_EQ(EventRows(), events + 2);
  EXPECT_EQ(Find<QLineEdit>("sani")->text(), "");
  EXPECT_FALSE(Find<QLineEdit>("sani")->isEnabled());
  EXPECT_FALSE(Find<QToolButton>("saniEntlassen")->isEnabled());
  EXPECT_TRUE(m_doc->IsModified());
  EXPECT_EQ(ListTexts("cheerleader"), QStringList{"Cheerleader1"});
  EXPECT_EQ(m_sheet->Expenses()->List()->model()->rowCount(), static_cast<int>(expenses));
}

// With "&Beim Löschen fragen" off every dismissal on the page acts without a box.
TEST_F(StaffPageTest, DismissalsWithoutQuestion) {
  m_app->m_Settings.m_bFragen = 0;
  auto team = test::MakeSampleTeam();
  team->m_bZauberer = 1;
  team->m_strZauberer = "Mork";
  Open(std::move(team));
  Find<QToolButton>("saniEntlassen")->click();
  Find<QToolButton>("zaubererEntlassen")->click();
  EXPECT_EQ(Team().m_bSani, 0);
  EXPECT_EQ(Team().m_bZauberer, 0);

  DismissInDialog("cheerleader", "Cheerleader2");
  DismissInDialog("cotrainer", "Cotrainer1");

  EXPECT_TRUE(m_messages.requests.empty());
  EXPECT_EQ(ListTexts("cheerleader"), QStringList{"Cheerleader1"});
  EXPECT_TRUE(ListTexts("cotrainer").isEmpty());
  EXPECT_EQ(Find<QLabel>("cotrainerAnzahl")->text(), "Anzahl: 0");
  // The leaving texts of the others: DismissalsAsk, StaffOperations.
  EXPECT_EQ(NthRecord(Team().m_Ereignisse, Team().m_Ereignisse.size() - 2)->m_strText,
            "CheerleaderIn Cheerleader2 verläßt das Team.");
}

// Renaming only in case (the dialog opened by a double click) is accepted at once, without
// the duplicate message; the career text goes with it and the list shows and selects the
// new name. (The rename itself, modified routine included: StaffOperations.Change.)
TEST_F(StaffPageTest, CheerleaderRenamedOnlyInCase) {
  Open(test::MakeSampleTeam());
  Select("cheerleader", "Cheerleader1");
  WhenModal<StaffDialog>([&](StaffDialog* dialog) {
    auto* name = Child<QLineEdit>(dialog, "name");
    EXPECT_EQ(name->text(), "Cheerleader1");
    name->setText(QStringLiteral("cheerleader1"));
    Child<QPlainTextEdit>(dialog, "lebenslauf")->setPlainText(QStringLiteral("Seit 2006 im Team"));
    Child<QPushButton>(dialog, "ok")->click();
  });
  auto* list = Find<QListWidget>("cheerleader");
  emit list->itemDoubleClicked(list->currentItem());
  EXPECT_TRUE(m_messages.requests.empty());
  EXPECT_EQ(Team().m_Cheerleader[0]->m_strLebenslauf, "Seit 2006 im Team");
  EXPECT_EQ(ListTexts("cheerleader"), (QStringList{"cheerleader1", "Cheerleader2"}));
  ASSERT_NE(list->currentItem(), nullptr);
  EXPECT_EQ(list->currentItem()->text(), "cheerleader1");
}

// A name another cheerleader has: the message, then the dialog again, nothing changed
// meanwhile, until a free name is given. Renaming brings back the name she had; hiring for
// the expense entry the name typed. A dialog that closes on the duplicate, or comes back with
// the wrong name, shows here. (The hired name left for the expense: StaffOperations.Hire.)
TEST_F(StaffPageTest, DuplicateNameReopensTheDialog) {
  Open(test::MakeSampleTeam());
  QString reopenedWith;
  auto names = [&] {
    std::vector<std::string> list;
    for (const auto& c : Team().m_Cheerleader) list.push_back(c->m_strName);
    return list;
  };
  auto answer = [&](const QString& free) {
    WhenModal<StaffDialog>([&, free, before = names()](StaffDialog* dialog) {
      Child<QLineEdit>(dialog, "name")->setText(QStringLiteral("Cheerleader2"));
      Child<QPushButton>(dialog, "ok")->click();
      WhenModal<StaffDialog>([&, free, before](StaffDialog* again) {
        reopenedWith = Child<QLineEdit>(again, "name")->text();
        EXPECT_EQ(names(), before);  // unchanged meanwhile
        Child<QLineEdit>(again, "name")->setText(free);
        Child<QPushButton>(again, "ok")->click();
      });
    });
  };
  Select("cheerleader", "Cheerleader1");
  answer(QStringLiteral("Chiara"));
  Find<QPushButton>("cheerleaderAendern")->click();
  ASSERT_EQ(m_messages.requests.size(), 1u);
  EXPECT_EQ(m_messages.requests[0].kind, BoxKind::Error);
  EXPECT_EQ(m_messages.requests[0].text, "Eine(n) CheerleaderIn mit diesem\nNamen gibt es schon!");
  EXPECT_EQ(reopenedWith, "Cheerleader1");
  EXPECT_EQ(ListTexts("cheerleader"), (QStringList{"Cheerleader2", "Chiara"}));

  answer(QStringLiteral("Cheerleader3"));
  EXPECT_TRUE(m_page->HireCheerleader());
  EXPECT_EQ(m_messages.requests.size(), 2u);
  EXPECT_EQ(reopenedWith, "Cheerleader2");
  EXPECT_EQ(ListTexts("cheerleader"), (QStringList{"Cheerleader2", "Cheerleader3", "Chiara"}));
  EXPECT_EQ(Find<QLabel>("cheerleaderAnzahl")->text(), "Anzahl: 3");
}

// Cancelling a hiring reports failure and changes nothing; asking for a new apothecary's or
// wizard's name only gives the name (the expense entry hires him).
TEST_F(StaffPageTest, HireCancelledAndNamesAsked) {
  Open(test::MakeSampleTeam());
  Team().m_strEingabeName = "vorher";
  auto answer = [](const char* button) {
    WhenModal<StaffDialog>([button](StaffDialog* dialog) {
      Child<QLineEdit>(dialog, "name")->setText(QStringLiteral("Mork der Weiße"));
      Child<QPushButton>(dialog, button)->click();
    });
  };
  answer("abbruch");
  EXPECT_FALSE(m_page->HireCoTrainer());
  EXPECT_EQ(Team().m_CoTrainer.size(), 1u);
  EXPECT_EQ(Team().m_strEingabeName, "vorher");
  answer("abbruch");
  EXPECT_FALSE(m_page->AskApothecaryName());
  EXPECT_EQ(Team().m_strEingabeName, "vorher");
  answer("ok");
  EXPECT_TRUE(m_page->AskWizardName());
  EXPECT_EQ(Team().m_strEingabeName, "Mork der Weiße");
  EXPECT_EQ(Team().m_bZauberer, 0);
  answer("ok");
  EXPECT_TRUE(m_page->HireCoTrainer());
  EXPECT_EQ(ListTexts("cotrainer"), (QStringList{"Cotrainer1", "Mork der Weiße"}));
}

}  // namespace
}  // namespace krv
