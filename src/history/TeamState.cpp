#include "history/TeamState.h"

#include "model/TeamFile.h"

namespace krv {

std::string TeamState(CKRTeam& team) { return SerializeTeam(team); }

std::unique_ptr<CKRTeam> TeamFromState(std::string_view state) {
  auto team = std::make_unique<CKRTeam>();
  DeserializeTeam(state, *team);
  team->Recalculate();
  return team;
}

}  // namespace krv
