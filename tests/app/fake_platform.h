#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/platform.h"

namespace zef::app::testing {

// One box the flow showed: 'M' message, 'E' error, 'Q' question, and its text.
struct Box {
  char kind;
  std::string text;
  bool operator==(const Box&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << box.kind << ":\"" << box.text << '"';
}

// Records every box; questions take their answers from the queue, yes once it is empty.
class FakePlatform : public Platform {
 public:
  void ShowMessage(std::string_view text) override { boxes.push_back({'M', std::string(text)}); }
  void ShowError(std::string_view text) override { boxes.push_back({'E', std::string(text)}); }
  bool AskYesNo(std::string_view text) override {
    boxes.push_back({'Q', std::string(text)});
    const bool answer = answers.empty() || answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }

  std::vector<Box> boxes;
  std::deque<bool> answers;
};

}  // namespace zef::app::testing
