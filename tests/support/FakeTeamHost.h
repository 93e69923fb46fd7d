#pragma once
// A TeamHost for tests: records every call in order.

#include <string>
#include <vector>

#include "model/TeamHost.h"

namespace krv::test {

class FakeTeamHost : public TeamHost {
 public:
  // Every call in order: "modified", "recalculated".
  std::vector<std::string> calls;

  void MarkDocumentModified() override { calls.push_back("modified"); }
  // What each recalculation was told the change touched.
  std::vector<TeamChange> changes;

  void TeamRecalculated(const TeamChange& change) override {
    calls.push_back("recalculated");
    changes.push_back(change);
  }

  size_t Count(const std::string& prefix) const {
    size_t n = 0;
    for (const auto& c : calls)
      if (c.rfind(prefix, 0) == 0) ++n;
    return n;
  }
};

}  // namespace krv::test
