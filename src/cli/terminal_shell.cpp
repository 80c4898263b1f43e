#include "cli/terminal_shell.h"

#include <istream>
#include <ostream>

#include "app/message_text.h"
#include "model/fixed_text.h"

namespace zef::cli {

int ExitStatusOf(const app::OpenOutcome& outcome, const app::DataSetHolder& holder) {
  if (!outcome.loaded) return kNotLoaded;
  return holder.DataValid() ? kLoadedValid : kLoadedNotValid;
}

bool ParseAnswering(std::string_view arg, Answering& answering) {
  if (arg == "--no") {
    answering = Answering::No;
  } else if (arg == "--ask") {
    answering = Answering::Ask;
  } else {
    return false;
  }
  return true;
}

TerminalPlatform::TerminalPlatform(std::ostream& out, Answering answering, std::istream& in,
                                   std::ostream& prompt)
    : out_(out), answering_(answering), in_(in), prompt_(prompt) {}

void TerminalPlatform::Print(std::string_view head, std::string_view text) {
  out_ << head << app::MessageBoxText(text) << '\n';
}

void TerminalPlatform::ShowMessage(std::string_view text) {
  Print("message: ", text);
}

void TerminalPlatform::ShowError(std::string_view text) {
  Print("error: ", text);
}

bool TerminalPlatform::AskYesNo(std::string_view text) {
  Print("question: ", text);
  const bool yes = answering_ == Answering::Ask ? AskTerminal() : answering_ == Answering::Yes;
  out_ << (yes ? "answer: yes\n" : "answer: no\n");
  return yes;
}

// Asks until the answer is yes or no; the end of the input answers no.
bool TerminalPlatform::AskTerminal() {
  out_.flush();
  std::string line;
  for (;;) {
    prompt_ << "Yes or no? " << std::flush;
    if (!std::getline(in_, line)) return false;
    const std::string answer = model::ToUpperAscii(line);
    if (answer == "Y" || answer == "YES") return true;
    if (answer == "N" || answer == "NO") return false;
  }
}

void PrintedErrorList::OnLineAdded(const std::string& line, bool) {
  out_ << line << '\n';
}

}  // namespace zef::cli
