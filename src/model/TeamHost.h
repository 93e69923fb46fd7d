#pragma once
// The window around a team, told about the team's modified routine. It never asks and
// never decides: questions come before a change (from the command), notices and sounds
// after it (from the change's ChangeOutcome). Tests use a fake that records every call.

#include "model/TeamChange.h"

namespace krv {

class TeamHost {
 public:
  virtual ~TeamHost() = default;

  // The document is now modified: its title gets " *".
  virtual void MarkDocumentModified() = 0;
  // The derived figures were recomputed: header and pages show the team again, redrawing
  // what `change` says the change touched.
  virtual void TeamRecalculated(const TeamChange& change) = 0;
};

}  // namespace krv
