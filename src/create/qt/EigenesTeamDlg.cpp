#include "create/qt/EigenesTeamDlg.h"

namespace krv {

CEigenesTeamDlg::CEigenesTeamDlg(CKRTeam* team, int32_t startingCapital, QWidget* parent)
    : QDialog(parent), m_nStartingCapital(startingCapital) {
  m_Design.m_pTeam = team;
  setWindowTitle(QString::fromUtf8(kOwnRaceCaption));
}

void CEigenesTeamDlg::showEvent(QShowEvent* event) { QDialog::showEvent(event); }

}  // namespace krv
