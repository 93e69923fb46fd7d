#pragma once
// A fixture holding the sample team with a recording host, recalculated as a window shows it.

#include <gtest/gtest.h>

#include <memory>

#include "model/Team.h"
#include "support/FakeTeamHost.h"
#include "support/SampleTeams.h"

namespace krv::test {

class HostedSampleTeamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_team = MakeSampleTeam();
    m_team->m_pHost = &m_host;
    m_team->Recalculate();
  }
  CKRTeam& Team() { return *m_team; }
  std::unique_ptr<CKRTeam> m_team;
  FakeTeamHost m_host;
};

}  // namespace krv::test
