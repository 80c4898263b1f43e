#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace zef::cli {

// Exit status of a command: 0 clean, 1 loaded with errors, 2 nothing loaded.
// Usage errors give 64, like other command-line tools.
inline constexpr int kUsageError = 64;

// zef check FILE...: the reader's messages on `out`, one summary line per
// loaded file on `err`; the worst result is the exit status.
int RunCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef dump --json [--pretty] FILE: the loaded set as one JSON document on
// `out`, the reader's messages on `err`; the read's result is the exit status.
int RunDump(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace zef::cli
