#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "app/data_set_holder.h"
#include "app/list_window_lines.h"
#include "app/open_flow.h"
#include "app/platform.h"

namespace zef::cli {

// Exit status after the open flow.
inline constexpr int kLoadedValid = 0;
inline constexpr int kLoadedNotValid = 1;
inline constexpr int kNotLoaded = 2;
int ExitStatusOf(const app::OpenOutcome& outcome, const app::DataSetHolder& holder);

// How the questions of the open flow are answered.
enum class Answering { Yes, No, Ask };

// Takes "--no" and "--ask"; false for any other argument.
bool ParseAnswering(std::string_view arg, Answering& answering);

// The open flow's message boxes as lines: the text with its line breaks, the
// first line headed "error: ", "question: " or "message: ", and after a
// question "answer: yes" or "answer: no". With Answering::Ask the answer is
// read from `in` after a prompt on `prompt`.
class TerminalPlatform : public app::Platform {
 public:
  TerminalPlatform(std::ostream& out, Answering answering, std::istream& in, std::ostream& prompt);

  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;

 private:
  void Print(std::string_view head, std::string_view text);
  bool AskTerminal();

  std::ostream& out_;
  Answering answering_;
  std::istream& in_;
  std::ostream& prompt_;
};

// The error list printed line by line as the reader ends each line.
class PrintedErrorList : public app::ListWindowLines {
 public:
  explicit PrintedErrorList(std::ostream& out) : ListWindowLines(kErrorRules), out_(out) {}

 protected:
  void OnLineAdded(const std::string& line, bool oldestRemoved) override;

 private:
  std::ostream& out_;
};

}  // namespace zef::cli
