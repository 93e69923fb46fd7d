// Renders the creation dialogs, filled with a realistic team, to PNG files in the
// temporary folder for looking at them: run with --gtest_also_run_disabled_tests.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include "create/StarOffer.h"
#include "create/TeamBuilder.h"
#include "create/qt/CountSpinBox.h"
#include "create/qt/RassenAuswahlDlg.h"
#include "create/qt/TeamErstellenDlg.h"
#include "model/Team.h"
#include "support/MessageRecorder.h"

namespace krv {
namespace {

void Save(QWidget& dialog, const QString& name) {
  const QString path = QDir::temp().filePath(name);
  EXPECT_TRUE(dialog.grab().save(path)) << path.toStdString();
}

TEST(CreationScreenshots, DISABLED_RaceSelection) {
  test::MessageRecorder recorder;
  CKRTeam team;
  CRassenAuswahlDlg dialog;
  dialog.m_TheTeam = &team;
  dialog.show();
  dialog.findChild<QComboBox*>("race")->setCurrentIndex(8);
  Save(dialog, "krv-rassenauswahl.png");
  dialog.resize(dialog.minimumSizeHint());
  Save(dialog, "krv-rassenauswahl-klein.png");
  dialog.resize(1300, 600);
  Save(dialog, "krv-rassenauswahl-gross.png");
  dialog.findChild<QCheckBox*>("ownRace")->click();
  Save(dialog, "krv-rassenauswahl-eigenes.png");
}

TEST(CreationScreenshots, DISABLED_Creation) {
  test::MessageRecorder recorder;
  CKRTeam team;
  team.m_nNaechsteID = kFirstPlayerId;
  PrepareNewTeam(team, 8);
  CTeamErstellenDlg dialog;
  dialog.m_Rasse = 8;
  dialog.m_TheTeam = &team;
  SetStarSlot(dialog, 0, StarRecordForCreation(8, "Griff Oberwald", 1000000));
  dialog.show();
  dialog.findChild<QLineEdit*>("teamName")->setText("Altdorfer Greifen – Über alles");
  dialog.findChild<CountSpinBox*>("rowCount1")->setValue(11);
  dialog.findChild<CountSpinBox*>("rowCount3")->setValue(2);
  dialog.findChild<CountSpinBox*>("rerolls")->setValue(2);
  dialog.findChild<CountSpinBox*>("fanFactor")->setValue(3);
  Save(dialog, "krv-erstellen.png");
  dialog.resize(dialog.minimumSizeHint());
  Save(dialog, "krv-erstellen-klein.png");
  dialog.resize(1300, 800);
  Save(dialog, "krv-erstellen-gross.png");
}

TEST(CreationScreenshots, DISABLED_OwnRaceCreation) {
  test::MessageRecorder recorder;
  CKRTeam team;
  const char* names[] = {"Feldspieler", "Fänger", "Werfer", "Superspieler", "Schuppenhäuter"};
  const int32_t costs[] = {60000, 90000, 100000, 110000, 70000};
  for (int k = 0; k < 5; ++k) {
    team.m_Positionen[k].m_strName = names[k];
    team.m_Positionen[k].m_nCost = costs[k];
    team.m_Positionen[k].m_nPositionCode = kFirstEigenePositionCode + k;
  }
  PrepareNewTeam(team, kEigeneRasse);
  CTeamErstellenDlg dialog;
  dialog.m_Rasse = kEigeneRasse;
  dialog.m_TheTeam = &team;
  dialog.show();
  for (int k = 1; k <= 5; ++k) dialog.findChild<CountSpinBox*>(QStringLiteral("rowCount%1").arg(k))->setValue(2);
  dialog.findChild<QCheckBox*>("apothecary")->setChecked(true);
  Save(dialog, "krv-erstellen-eigenes.png");
}

}  // namespace
}  // namespace krv
