#include "cli/output_open.h"

#include <iostream>

namespace zef::cli {

app::OpenOutcome OpenForOutput(const std::string& file, Answering answering, bool decimalComma,
                               app::DataSetHolder& holder, std::ostream& err) {
  TerminalPlatform platform(err, answering, std::cin, err);
  PrintedErrorList errors(err);
  return app::OpenDataFile(file, holder, {platform, errors, decimalComma});
}

}  // namespace zef::cli
