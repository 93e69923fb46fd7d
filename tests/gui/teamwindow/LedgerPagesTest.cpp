// The expense and income pages: columns, amounts with thousands points, totals in
// thousands with "K", the enabling of their commands, and refreshing after a new entry.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "gui/teamwindow/PageTestSupport.h"
#include "teamwindow/LedgerRows.h"
#include "teamwindow/qt/LedgerPage.h"
#include "support/MessageRecorder.h"
#include "support/SeasonTeam.h"

namespace krv {
namespace {

using test::Cell;
using test::Row;

class LedgerPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc = test::DocumentWith(test::MakeSeasonTeam());
    ASSERT_TRUE(m_doc);
    m_expenses = test::ShownPage<CMyPropertyPage3>(m_doc.get(), {700, 400});
    m_income = test::ShownPage<CMyPropertyPage4>(m_doc.get(), {700, 400});
  }

  CKRTeam& Team() { return m_doc->Team(); }
  QString Labels(QWidget* page) {
    QStringList texts;
    for (QLabel* label : page->findChildren<QLabel*>()) texts << label->text();
    return texts.join('|');
  }

  std::unique_ptr<KrashballDoc> m_doc;
  std::unique_ptr<CMyPropertyPage3> m_expenses;
  std::unique_ptr<CMyPropertyPage4> m_income;
};

// Headings; entries in order, amounts right-aligned with "." between groups of three digits.
TEST_F(LedgerPagesTest, RowTexts) {
  const QAbstractItemModel* expenses = m_expenses->List()->model();
  EXPECT_EQ(test::Headings(expenses), QStringList({"Ausgaben", "Wert"}));
  EXPECT_EQ(test::Headings(m_income->List()->model()), QStringList({"Einnahmen", "Wert"}));
  EXPECT_EQ(expenses->data(expenses->index(0, kLedgerWert), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignHorizontal_Mask,
            Qt::AlignRight);
  ASSERT_EQ(expenses->rowCount(), 13);
  EXPECT_EQ(Row(expenses, 0), QStringList({"Team-Aufstellung", "1.000.000"}));
  EXPECT_EQ(Row(expenses, 8), QStringList({"Morri der Starke", "190.000"}));

  const QAbstractItemModel* income = m_income->List()->model();
  ASSERT_EQ(income->rowCount(), 18);
  EXPECT_EQ(Row(income, 1), QStringList({"Spiel gegen: Zwergenstürmer", "45.000"}));
  EXPECT_EQ(Row(income, 17), QStringList({"Sponsor: Brauerei Grünbräu", "30.000"}));
}

// In a wide window both columns keep their widths: the amounts stay beside their texts.
// Catches the "Wert" column stretched to the window's edge.
TEST_F(LedgerPagesTest, WideWindowKeepsColumnWidths) {
  const int text = m_expenses->List()->columnWidth(0), amount = m_expenses->List()->columnWidth(kLedgerWert);
  EXPECT_LT(amount, 150);
  m_expenses->resize(1600, 400);
  QCoreApplication::processEvents();
  EXPECT_EQ(m_expenses->List()->columnWidth(0), text);
  EXPECT_EQ(m_expenses->List()->columnWidth(kLedgerWert), amount);
}

// The totals are the team's ledger sums in thousands, with the unit "K" beside them, and
// follow a new entry. (How the sums are cut to thousands: LedgerEntries.IncomeCountsOnly...)
TEST_F(LedgerPagesTest, TotalsInThousands) {
  auto* ausgaben = m_expenses->findChild<QLineEdit*>("ausgabenK");
  auto* einnahmen = m_income->findChild<QLineEdit*>("einnahmenK");
  ASSERT_TRUE(ausgaben && einnahmen);
  EXPECT_EQ(ausgaben->text(), "1745");
  EXPECT_EQ(einnahmen->text(), "1850");
  EXPECT_TRUE(Labels(m_income.get()).split('|').contains("K"));

  Team().AddEinnahme("Trinkgeld", 1100);
  Team().SetTeamModified();
  EXPECT_EQ(einnahmen->text(), "1851");
}

// A new entry shows after the recalculation that follows it; the selection stays.
TEST_F(LedgerPagesTest, RefreshShowsNewEntry) {
  QTableView* list = m_expenses->List();
  test::ClickRow(list, 2);
  Team().AddAusgabe("Schiedsrichter bestochen", 12500, kAusgabeVerlust);
  Team().SetTeamModified();
  ASSERT_EQ(list->model()->rowCount(), 14);
  EXPECT_EQ(Row(list->model(), 13), QStringList({"Schiedsrichter bestochen", "12.500"}));
  EXPECT_EQ(m_expenses->SelectedRow(), 2);
  EXPECT_EQ(m_expenses->findChild<QLineEdit*>("ausgabenK")->text(), "1757");

  // A changed entry shows its new text and amount.
  Team().ChangeAusgabe(13, "Schiri bestochen", 15000);
  EXPECT_EQ(Row(list->model(), 13), QStringList({"Schiri bestochen", "15.000"}));

  // A deleted entry is gone; nothing stays selected.
  test::MessageRecorder messages;
  messages.answers = {0};  // "&Löschen"
  ASSERT_TRUE(DeleteLedgerEntry(Team(), Ledger::Income, 17).applied);
  EXPECT_EQ(m_income->List()->model()->rowCount(), 17);
}

// "&Löschen" and "&Ändern" only while a row is selected, in the menu too; a click below the
// rows takes the selection away.
TEST_F(LedgerPagesTest, Enabling) {
  for (auto [page, menu] :
       {std::pair<RecordListPage*, QStringList>{m_expenses.get(), {"&Neue Ausgabe", "&Löschen", "&Ändern"}},
        {m_income.get(), {"&Neue Einnahme", "&Löschen", "&Ändern"}}}) {
    // Room below the rows: beside them there is none, the last column reaches the right edge.
    page->resize(700, 1000);
    QCoreApplication::processEvents();
    test::ExpectCommandsNeedARow(page, 1, menu);
    test::ClickRow(page->List(), -1);
    EXPECT_EQ(test::EnabledButtons(page), "neu");
    page->ContextMenu();
    EXPECT_TRUE(page->CommandAction(PageCommand::New)->isEnabled());
    EXPECT_FALSE(page->CommandAction(PageCommand::Delete)->isEnabled());
  }
}

}  // namespace
}  // namespace krv
