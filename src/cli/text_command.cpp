#include <algorithm>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>

#include "binary/binary_reader.h"
#include "cli/commands.h"
#include "cli/terminal_shell.h"
#include "textformat/text_reader.h"
#include "textformat/text_writer.h"

namespace zef::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTextUsage =
    "zef text: usage: zef text FILE.ZF1|FILE.ZF2 [-o OUT.txt]\n";

bool ParseTextArgs(std::span<const std::string> args, std::string& file, std::string& out,
                   std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      out = args[++i];
    } else if (args[i].starts_with("-") || !file.empty()) {
      err << "zef text: unexpected argument '" << args[i] << "'\n";
      return false;
    } else {
      file = args[i];
    }
  }
  return !file.empty();
}

// Whether the text at `path` reads back to the set's balloon, on-axis levels
// and phase. The figures a binary carries (per-band arrays 3 to 8) are not
// in a text.
bool ReadsBack(const fs::path& path, const model::DataSet& set) {
  model::NullSink ignored;
  const textformat::TextReadResult back = textformat::ReadTextFile(path, ignored);
  if (back.set == nullptr) return false;
  model::DataRecord data = back.set->data;
  for (int k = 3; k <= 8; ++k) {
    const auto which = static_cast<model::PerBand>(k);
    std::ranges::copy(set.data.Array(which), data.Array(which).begin());
  }
  const model::PhaseBlock* a = back.set->phase.get();
  const model::PhaseBlock* b = set.phase.get();
  const bool samePhase =
      (a == nullptr && b == nullptr) ||
      (a != nullptr && b != nullptr && std::memcmp(a, b, sizeof(model::PhaseBlock)) == 0);
  return data == set.data && samePhase;
}

// Only the arcs the set's symmetry needs are written when the reader's
// completion gives the stored balloon back; a balloon that does not follow
// its symmetry (a rotated one) is written again arc by arc under <NONE>.
bool WriteText(const fs::path& target, const model::DataSet& set, std::string& error,
               std::ostream& err) {
  textformat::TextWriteOptions options;
  options.ownSymmetry = true;
  if (!textformat::WriteTextFile(target, set, options, error)) return false;
  if (ReadsBack(target, set)) return true;
  err << "zef text: the balloon does not follow its symmetry; every arc is written under "
         "<NONE>\n";
  options.ownSymmetry = false;
  return textformat::WriteTextFile(target, set, options, error);
}

}  // namespace

int RunText(std::span<const std::string> args, std::ostream&, std::ostream& err) {
  std::string file;
  std::string out;
  if (!ParseTextArgs(args, file, out, err)) {
    err << kTextUsage;
    return kUsageError;
  }
  if (binary::BinaryNameKind(file) == binary::BinaryName::None) {
    err << "zef text: " << file << " is not a distribution binary (.ZF1 or .ZF2)\n";
    return kUsageError;
  }
  PrintedErrorList errors(err);
  const binary::BinaryReadResult read = binary::ReadBinaryFile(file, errors);
  if (read.set == nullptr) {
    err << "zef text: " << file << " cannot be read\n";
    return kNotLoaded;
  }
  const fs::path target = out.empty() ? binary::WithExtension(file, ".txt") : fs::path(out);
  std::error_code ec;
  // Beside a binary there is often the text it was compiled from: never
  // replace that one unasked.
  if (out.empty() && fs::exists(target, ec)) {
    err << "zef text: " << target.string() << " exists; name the output with -o\n";
    return kUsageError;
  }
  if (fs::equivalent(target, file, ec)) {
    err << "zef text: " << target.string() << " is the binary itself\n";
    return kUsageError;
  }
  std::string error;
  if (!WriteText(target, *read.set, error, err)) {
    err << "zef text: " << error << '\n';
    return kNotLoaded;
  }
  err << "zef text: wrote " << target.string() << '\n';
  return kLoadedValid;
}

}  // namespace zef::cli
