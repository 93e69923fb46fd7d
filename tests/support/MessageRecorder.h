#pragma once
// Answers the program's message boxes in widget tests and records what they said.

#include <QStringList>
#include <deque>

#include "ui/MessageBoxes.h"

namespace krv::test {

class MessageRecorder {
 public:
  MessageRecorder() {
    SetMessageInterceptor([this](const MessageRequest& request) {
      requests.push_back(request);
      if (answers.empty()) return 0;
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    });
  }
  ~MessageRecorder() { SetMessageInterceptor(nullptr); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  QStringList Texts() const {
    QStringList texts;
    for (const auto& r : requests) texts << r.text;
    return texts;
  }

  std::vector<MessageRequest> requests;
  std::deque<int> answers;  // button index per coming box; the first button when none is left
};

}  // namespace krv::test
