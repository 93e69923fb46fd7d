#pragma once
// A TeamHost for tests: records every call in order and answers deletion questions as scripted.

#include <deque>
#include <string>
#include <vector>

#include "model/TeamHost.h"

namespace krv::test {

class FakeTeamHost : public TeamHost {
 public:
  // Answers for the coming deletion questions, in order; when none is left the answer is No.
  std::deque<bool> answers;
  // Every call as "kind: text", e.g. "confirm: ...", "message: Minuswerte?", "sound: Sounds/Sa-geht.wav".
  std::vector<std::string> calls;

  bool ConfirmDeletion(const std::string& question) override {
    calls.push_back("confirm: " + question);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowMessage(const std::string& text) override { calls.push_back("message: " + text); }
  void PlaySoundFile(const std::string& path) override { calls.push_back("sound: " + path); }
  void RefreshStaffAndEventsPages() override { calls.push_back("refresh pages"); }
  void MarkDocumentModified() override { calls.push_back("modified"); }
  void TeamRecalculated() override { calls.push_back("recalculated"); }

  size_t Count(const std::string& prefix) const {
    size_t n = 0;
    for (const auto& c : calls)
      if (c.rfind(prefix, 0) == 0) ++n;
    return n;
  }
};

}  // namespace krv::test
