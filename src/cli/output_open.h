#pragma once

#include <iosfwd>
#include <string>

#include "app/data_set_holder.h"
#include "app/open_flow.h"
#include "cli/terminal_shell.h"

namespace zef::cli {

// Opens a file through the viewer's open flow for a command that prints its
// result on stdout: the reader's messages and the flow's boxes go to `err`.
app::OpenOutcome OpenForOutput(const std::string& file, Answering answering, bool decimalComma,
                               app::DataSetHolder& holder, std::ostream& err);

}  // namespace zef::cli
