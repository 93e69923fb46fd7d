#pragma once
// "Eigenschaften" (Strg+E): creation and modification stamps, matches won, lost and drawn,
// active players, star players among them, and the dead.

#include <QDialog>

namespace krv {

class CKRTeam;

class TeamStatisticsDialog : public QDialog {
  Q_OBJECT
 public:
  // Fills the figures at once; an empty modification stamp gets the current time.
  explicit TeamStatisticsDialog(CKRTeam& team, QWidget* parent = nullptr);

  // The text shown for a figure: "erstellt", "geaendert", "spiele", "gewonnen", "verloren",
  // "unentschieden", "spieler", "stars", "tote" (the fields' object names).
  QString Value(const QString& field) const;
};

}  // namespace krv
