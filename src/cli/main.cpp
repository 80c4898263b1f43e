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
    "  zef check [--no | --ask] FILE...\n"
    "                      open each file as the viewer does and print the reader's\n"
    "                      messages and every message box; questions are answered\n"
    "                      yes, no with --no, or on the terminal with --ask;\n"
    "                      exit status 0 valid, 1 loaded but not valid, 2 not read\n"
    "  zef dump --json [--pretty] FILE\n"
    "                      print the loaded data set and its figures as one JSON\n"
    "                      document\n"
    "  zef dxf FILE.DXF [--unit mm|cm|dm|m|inches|feet]\n"
    "                      parse a cabinet drawing on its own and print its counts\n"
    "                      of faces and edges and its extent in metres (default\n"
    "                      unit m); exit status 0 parsed, 1 no 3D entity, 2 failed\n"
    "  zef compile [--no | --ask] FILE.txt [-o OUT] [--author TEXT] [--category N]\n"
    "                      write a clean text file that passes the check as a\n"
    "                      distribution binary (default OUT: FILE.ZF1 or FILE.ZF2);\n"
    "                      author defaults to the manufacturer, category N to 1:\n"
    "                      0 Demo data, 1 Manufacturer, 2 3rd Party, 3 Research,\n"
    "                      4 Res.&Dev., 5 ZEF Dev; exit status 0 written, 1 refused,\n"
    "                      2 not read or not written\n"
    "  zef sheet [--no | --ask] [--decimal-comma] [--option NAME] [--no-option NAME] FILE\n"
    "                      print the data sheet as the viewer fills it: every field,\n"
    "                      then the per-band rows tab-separated\n"
    "  zef table sensitivity|axial [--no | --ask] [--decimal-comma] FILE\n"
    "                      print the sensitivity or axial spectrum table exactly as\n"
    "                      the viewer copies it for a spreadsheet\n"
    "  zef curves FILE [--csv]\n"
    "                      print the CTA-2034-A curves of every band (on axis,\n"
    "                      listening window, early reflections and their parts,\n"
    "                      sound power, estimated in-room response, ERDI, SPDI)\n"
    "  zef export --csv OUT_FOLDER FILE\n"
    "                      write the per-band data, both polar planes, the balloon\n"
    "                      and the CTA-2034-A curves as CSV files into OUT_FOLDER\n"
    "  zef export --sofa OUT.sofa FILE\n"
    "                      write the balloon as an AES69 SOFA file\n"
    "                      (FreeFieldDirectivityTF)\n"
    "  zef text FILE.ZF1|FILE.ZF2 [-o OUT.txt]\n"
    "                      write a distribution binary back as a ZEF text file\n"
    "                      (default OUT: FILE.txt, which must not exist yet)\n"
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
  if (args[0] == "dxf") return zef::cli::RunDxf(rest, std::cout, std::cerr);
  if (args[0] == "compile") return zef::cli::RunCompile(rest, std::cout, std::cerr);
  if (args[0] == "sheet") return zef::cli::RunSheet(rest, std::cout, std::cerr);
  if (args[0] == "curves") return zef::cli::RunCurves(rest, std::cout, std::cerr);
  if (args[0] == "export") return zef::cli::RunExport(rest, std::cout, std::cerr);
  if (args[0] == "text") return zef::cli::RunText(rest, std::cout, std::cerr);
  if (args[0] == "table") return zef::cli::RunTable(rest, std::cout, std::cerr);
  std::cerr << "zef: unknown command '" << args[0] << "' (see zef --help)\n";
  return zef::cli::kUsageError;
}
