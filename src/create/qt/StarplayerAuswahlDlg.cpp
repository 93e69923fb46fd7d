#include "create/qt/StarplayerAuswahlDlg.h"

namespace krv {

CStarplayerAuswahlDlg::CStarplayerAuswahlDlg(int32_t race, const CKRTeam* team, int32_t startingCapital,
                                             bool useTeamGold, QWidget* parent)
    : QDialog(parent) {
  m_Request.m_nRace = race;
  m_Request.m_pTeam = team;
  m_Request.m_bUseTeamGold = useTeamGold;
  m_Request.m_nStartingCapital = startingCapital;
  setWindowTitle(QStringLiteral("Starspieler kaufen"));
}

int CStarplayerAuswahlDlg::exec() { return QDialog::exec(); }

std::optional<CKRSpieler> CStarplayerAuswahlDlg::Result() const {
  if (!m_bAccepted) return std::nullopt;
  return m_Result;
}

}  // namespace krv
