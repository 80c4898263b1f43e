#include <gtest/gtest.h>

#include <sstream>

#include "cli/terminal_shell.h"

namespace zef::cli {
namespace {

TEST(TerminalPlatform, AskReadsUntilYesOrNoAndTheEndMeansNo) {
  std::ostringstream out, prompt;
  std::istringstream in("maybe\nYES\nn\n");
  TerminalPlatform ask(out, Answering::Ask, in, prompt);
  ask.ShowError("Measurement Date: x####Format##'YYYY'");
  EXPECT_TRUE(ask.AskYesNo("First?"));
  EXPECT_FALSE(ask.AskYesNo("Second?"));
  EXPECT_FALSE(ask.AskYesNo("Third?"));  // no input left
  EXPECT_EQ(out.str(),
            "error: Measurement Date: x\n\nFormat\n'YYYY'\nquestion: First?\nanswer: yes\n"
            "question: Second?\nanswer: no\nquestion: Third?\nanswer: no\n");
  EXPECT_EQ(prompt.str(), "Yes or no? Yes or no? Yes or no? Yes or no? ");
}

}  // namespace
}  // namespace zef::cli
