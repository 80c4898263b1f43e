#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace zef::cli {

// Exit status of a command: 0 clean, 1 loaded with errors, 2 nothing loaded.
// Usage errors give 64, like other command-line tools.
inline constexpr int kUsageError = 64;

// zef check [--no | --ask] FILE...: the whole open flow on each file; the
// reader's messages and the flow's message boxes on `out`, one summary line
// per loaded file on `err`. Exit status 0 loaded and valid, 1 loaded but not
// valid, 2 not loaded; the worst over the files.
int RunCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef dump --json [--pretty] FILE: the loaded set as one JSON document on
// `out`, the reader's messages on `err`; the read's result is the exit status.
int RunDump(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef dxf FILE.DXF [--unit mm|cm|dm|m|inches|feet]: a cabinet drawing parsed
// on its own; the counts of faces and edges and their extent on `out`, the
// reader's failure on `err`. Exit status 0 parsed, 1 no 3D entity, 2 failed.
int RunDxf(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef compile [--no | --ask] FILE.txt [-o OUT] [--author TEXT] [--category N]:
// a text file that reads cleanly and passes the check, as a distribution
// binary. Exit status 0 written, 1 refused, 2 not read or not written.
int RunCompile(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef sheet [--no | --ask] [--decimal-comma] [--option NAME] [--no-option NAME]
// FILE: the data sheet as the viewer fills it, a "name: text" line per field
// and the per-band rows tab-separated on `out`; the open flow's lines on
// `err`. Exit status as for check.
int RunSheet(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef table sensitivity|axial [--no | --ask] [--decimal-comma] FILE: the
// table exactly as the viewer copies it, without a final line end. Exit
// status 0 printed, 1 loaded but no such table, 2 not loaded.
int RunTable(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef curves FILE [--csv]: the CTA-2034-A curves of every band, a block per
// band or, with --csv, one header line and a row per band. Exit status as for
// dump.
int RunCurves(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef export --csv OUT_FOLDER FILE | --sofa OUT.sofa FILE: the data as CSV
// tables in a folder, or the balloon as a SOFA file. Exit status the read's
// result, 2 when nothing could be written.
int RunExport(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// zef text FILE.ZF1|FILE.ZF2 [-o OUT.txt]: a distribution binary back as a
// ZEF text file (default OUT: FILE.txt, never replaced) with its companion
// files. Exit status 0 written, 2 not read or not written, 64 for a usage
// error.
int RunText(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace zef::cli
