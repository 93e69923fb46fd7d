#include "create/qt/Starplayer.h"

namespace krv {

CStarplayer::CStarplayer(const PlayerBuilder& preset, int32_t startingCapital, QWidget* parent)
    : QDialog(parent), m_Builder(preset), m_nStartingCapital(startingCapital) {
  setWindowTitle(QString::fromUtf8(kBuilderCaption));
}

CStarplayer::CStarplayer(CKRTeam* team, int32_t startingCapital, QWidget* parent)
    : CStarplayer(PlayerBuilder{}, startingCapital, parent) {
  m_Builder.m_pTeam = team;
  m_Builder.m_bPurchaseMode = team != nullptr;
}

std::optional<CKRSpieler> CStarplayer::Result() const {
  if (!m_bAccepted) return std::nullopt;
  return BuiltStarRecord(m_Builder);
}

}  // namespace krv
