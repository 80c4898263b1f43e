#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "app/loaded_file_texts.h"
#include "app/open_flow.h"
#include "binary/binary_reader.h"
#include "binary/binary_writer.h"
#include "cli/commands.h"
#include "cli/locale_settings.h"
#include "cli/terminal_shell.h"
#include "model/date_text.h"
#include "model/fixed_text.h"

namespace zef::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCompileUsage =
    "zef compile: usage: zef compile [--no | --ask] FILE.txt [-o OUT] [--author TEXT] "
    "[--category N]\n";
constexpr std::uint32_t kDefaultCategory = 1;  // Manufacturer
constexpr std::size_t kMaxAuthorLength = sizeof(model::InfoRecord::author) - 1;

struct CompileArgs {
  std::string file;
  std::string out;
  std::optional<std::string> author;
  std::optional<std::uint32_t> category;
  Answering answering = Answering::Yes;
};

bool ParseCategory(std::string_view text, std::uint32_t& category) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), category);
  return ec == std::errc() && end == text.data() + text.size() &&
         !app::CreatorCategoryName(category).empty();
}

// Takes the value after an option; false when it is missing or wrong.
bool ParseOption(std::string_view option, std::string_view value, CompileArgs& parsed,
                 std::ostream& err) {
  if (option == "-o") {
    parsed.out = value;
  } else if (option == "--author") {
    if (value.size() > kMaxAuthorLength) {
      err << "zef compile: --author takes at most " << kMaxAuthorLength << " characters\n";
      return false;
    }
    parsed.author = std::string(value);
  } else {
    std::uint32_t category = 0;
    if (!ParseCategory(value, category)) {
      err << "zef compile: --category takes 0 to 5 (0 Demo data, 1 Manufacturer, 2 3rd Party, "
             "3 Research, 4 Res.&Dev., 5 ZEF Dev)\n";
      return false;
    }
    parsed.category = category;
  }
  return true;
}

bool ParseCompileArgs(std::span<const std::string> args, CompileArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (ParseAnswering(arg, parsed.answering)) continue;
    if (arg == "-o" || arg == "--author" || arg == "--category") {
      if (i + 1 == args.size()) {
        err << "zef compile: " << arg << " needs a value\n";
        return false;
      }
      if (!ParseOption(arg, args[++i], parsed, err)) return false;
    } else if (arg.starts_with("-") || !parsed.file.empty()) {
      err << "zef compile: unexpected argument '" << arg << "'\n";
      return false;
    } else {
      parsed.file = arg;
    }
  }
  return !parsed.file.empty();
}

std::string TodayText() {
  const std::chrono::year_month_day today{
      std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  return model::FormatDateText(static_cast<int>(today.year()),
                               static_cast<int>(static_cast<unsigned>(today.month())),
                               static_cast<int>(static_cast<unsigned>(today.day())));
}

// The output must be a binary of the set's kind (the viewer chooses its
// reader by the name) and must not be the text it came from.
bool CheckOutput(const CompileArgs& parsed, const fs::path& out, model::FormatKind kind,
                 std::ostream& err) {
  const binary::BinaryName wanted =
      kind == model::FormatKind::Zef1 ? binary::BinaryName::Zef1 : binary::BinaryName::Zef2;
  if (binary::BinaryNameKind(out.string()) != wanted) {
    err << "zef compile: " << out.string() << ": the name of a "
        << (kind == model::FormatKind::Zef1 ? "ZEF1" : "ZEF2") << " binary must contain "
        << (kind == model::FormatKind::Zef1 ? ".ZF1" : ".ZF2") << '\n';
    return false;
  }
  std::error_code ec;
  if (fs::equivalent(out, parsed.file, ec)) {
    err << "zef compile: " << out.string() << " is the text file itself\n";
    return false;
  }
  return true;
}

}  // namespace

int RunCompile(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  CompileArgs parsed;
  if (!ParseCompileArgs(args, parsed, err)) {
    err << kCompileUsage;
    return kUsageError;
  }
  TerminalPlatform platform(out, parsed.answering, std::cin, err);
  PrintedErrorList errors(out);
  app::DataSetHolder holder;
  const app::OpenOutcome outcome =
      app::OpenTextFile(parsed.file, holder, {platform, errors, LocaleUsesDecimalComma()});
  const int status = ExitStatusOf(outcome, holder);
  if (status != kLoadedValid) {
    err << "zef compile: " << parsed.file << " not compiled: "
        << (outcome.loaded ? "it has errors or fails the check" : "it cannot be read") << '\n';
    return status;
  }
  const model::DataSet& set = *holder.Loaded();
  const fs::path target =
      parsed.out.empty() ? binary::WithExtension(
                               parsed.file, set.kind == model::FormatKind::Zef1 ? ".ZF1" : ".ZF2")
                         : fs::path(parsed.out);
  if (!CheckOutput(parsed, target, set.kind, err)) return kUsageError;

  binary::WriteOptions options;
  options.author = parsed.author.value_or(std::string(model::TextOf(set.info->manufacturer)));
  options.creatorCategory = parsed.category.value_or(kDefaultCategory);
  options.writerText = TodayText();
  std::string error;
  if (!binary::WriteBinaryFile(target, set, options, error)) {
    err << "zef compile: " << error << '\n';
    return kNotLoaded;
  }
  err << "zef compile: wrote " << target.string() << '\n';
  return kLoadedValid;
}

}  // namespace zef::cli
