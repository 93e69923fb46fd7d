#pragma once
// Walks the coach through the two creation dialogs, as the running dialogs see it.

#include "create/qt/CountSpinBox.h"
#include "create/qt/RaceChoiceDialog.h"
#include "create/qt/TeamCreationDialog.h"
#include "gui/CreationDialogDriver.h"

namespace krv::test {

// Chooses the race in the race selection and takes it over.
inline void ChooseRace(int32_t race) {
  WhenModal<RaceChoiceDialog>([race](RaceChoiceDialog* dialog) {
    Child<QComboBox>(dialog, QStringLiteral("race"))->setCurrentIndex(race);
    Child<QPushButton>(dialog, QStringLiteral("uebernehmen"))->click();
  });
}

// Enters the 1,000,000 Menschen team into the creation dialog and presses "&Erstellen":
// 11 Feldspieler, 2 Werfer, 2 Blitzer, 1 re-roll, fan factor 3, 5 cheerleaders.
inline void EnterMenschenTeam() {
  WhenModal<TeamCreationDialog>([](TeamCreationDialog* dialog) {
    QTest::keyClicks(Child<QLineEdit>(dialog, QStringLiteral("teamName")), QStringLiteral("Altdorfer Greifen"));
    const std::pair<const char*, int> fields[] = {{"rowCount1", 11}, {"rowCount3", 2}, {"rowCount4", 2},
                                                  {"rerolls", 1},    {"fanFactor", 3}, {"cheerleaders", 5}};
    for (const auto& [name, value] : fields) Child<CountSpinBox>(dialog, QString::fromLatin1(name))->setValue(value);
    Child<QPushButton>(dialog, QStringLiteral("erstellen"))->click();
    // A refused team leaves the dialog open; fail rather than wait for it forever.
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the creation dialog refused the team";
      dialog->reject();
    }
  });
}

// Both dialogs for the Menschen team above.
inline void CreateMenschenTeam() {
  ChooseRace(8);
  EnterMenschenTeam();
}

}  // namespace krv::test
