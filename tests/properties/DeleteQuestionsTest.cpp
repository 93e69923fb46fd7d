// The questions the pages ask before deleting.

#include <gtest/gtest.h>

#include "properties/DeleteQuestions.h"

namespace krv {
namespace {

// Catches an amount shown with grouping points or cut to thousands (the box shows the plain
// gold pieces), the expense warning about staff lost, and the record's own text missing.
TEST(DeleteQuestions, NameTheEntry) {
  CKREinnahmen income;
  income.m_strText = "Spiel gegen: Orks";
  income.m_nBetrag = 20000;
  EXPECT_EQ(DeleteIncomeQuestion(income), "Spiel gegen: Orks\nzu 20000 Goldstücken.\n\nWirklich löschen?");
  CKRAusgaben expense;
  expense.m_strText = "Trainningsmarke";
  expense.m_nBetrag = 60000;
  const std::string question = DeleteExpenseQuestion(expense);
  EXPECT_EQ(question.rfind("Trainningsmarke zu 60000 Goldstücken.\nWirklich löschen?\n\nAchtung!!!", 0), 0u);
  EXPECT_NE(question.find("der Version 1.3++ der KRV erstellt wurden."), std::string::npos);
  CKRGames match;
  match.m_strGegner = "Zwerge";
  EXPECT_EQ(DeleteMatchQuestion(match), "Das Spiel gegen Zwerge wirklich löschen?");
  CKREreignisse event;
  event.m_strText = "Fest";
  EXPECT_EQ(DeleteEventQuestion(event), "Fest\nDiesen Eintrag wirklich löschen?");
}

}  // namespace
}  // namespace krv
