#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace {

constexpr std::string_view kHelp =
    "zef - check and inspect ZEF loudspeaker data files\n"
    "\n"
    "Usage:\n"
    "  zef check FILE...   read each file and print the reader's messages;\n"
    "                      exit status 0 clean, 1 read with errors, 2 not read\n"
    "  zef dump --json [--pretty] FILE\n"
    "                      print the loaded data set as one JSON document\n"
    "  zef --help          show this help\n"
    "  zef --version       show the version\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::cout << kHelp;
    return args.empty() ? zef::cli::kUsageError : 0;
  }
  if (args[0] == "--version") {
    std::cout << "zef " << ZEF_VERSION << '\n';
    return 0;
  }
  const std::span<const std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "check") return zef::cli::RunCheck(rest, std::cout, std::cerr);
  if (args[0] == "dump") return zef::cli::RunDump(rest, std::cout, std::cerr);
  std::cerr << "zef: unknown command '" << args[0] << "' (see zef --help)\n";
  return zef::cli::kUsageError;
}
