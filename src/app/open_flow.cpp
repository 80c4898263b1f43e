#include "app/open_flow.h"

#include <string>
#include <system_error>

#include "analysis/consistency_check.h"
#include "analysis/band_curves.h"
#include "app/derived_figures.h"
#include "app/loaded_file_texts.h"
#include "app/read_data_file.h"
#include "binary/binary_reader.h"

namespace zef::app {
namespace {

constexpr std::string_view kFileDoesNotExist = "** File does not exist **";
constexpr std::string_view kContainsErrors =
    "This file contains errors, please correct the data.####Data and balloon is shown but a "
    "binary##distribution file can not be saved.";

// Texts shown for every loaded file, then the hand-over.
void InstallLoaded(LoadedFile file, const std::filesystem::path& path, DataSetHolder& holder) {
  const std::string name = path.string();
  file.windowTitle = WindowTitleFor(name);
  file.statusPath = StatusPathFor(name);
  holder.Install(std::move(file));
}

}  // namespace

OpenOutcome OpenTextFile(const std::filesystem::path& path, DataSetHolder& holder,
                         const OpenContext& context) {
  context.errors.Close();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    context.platform.ShowMessage(kFileDoesNotExist);
    return {};
  }
  textformat::ReadOptions options;
  options.decimalComma = context.decimalComma;
  options.holderOnAxisCode = holder.OnAxisCode();
  options.holderUpCode = holder.UpCode();
  ReadOutcome read = ReadTextDataFile(path, context.errors, options);
  OpenOutcome outcome{false, read.result, read.kind != holder.Kind()};
  if (read.result == textformat::kReadFailed || !read.set) return outcome;

  LoadedFile file;
  file.set = std::move(read.set);
  model::DataSet& set = *file.set;
  // The off-axis analysis sees the balloon as read; the later figures see
  // the rear points the check may substitute.
  analysis::ComputeMaxDirections(set.kind, set.data, file.figures);
  file.loadedFromText = true;
  file.reference = analysis::ComputeSensitivityReference(set);
  file.dataValid = read.result == textformat::kReadClean &&
                   analysis::CheckData(set, context.platform, context.decimalComma);
  if (!file.dataValid) context.platform.ShowMessage(kContainsErrors);
  ComputeDirectivityFigures(set, file.figures);
  InstallLoaded(std::move(file), path, holder);
  outcome.loaded = true;
  return outcome;
}

OpenOutcome OpenBinaryFile(const std::filesystem::path& path, DataSetHolder& holder,
                           const OpenContext& context) {
  context.errors.Close();
  ReadOutcome read = ReadBinaryDataFile(path, context.errors);
  if (!read.set) {
    context.errors.EndPendingLine();
    return {};
  }
  LoadedFile file;
  file.set = std::move(read.set);
  file.header = read.header;
  model::DataSet& set = *file.set;
  DeriveBinaryFigures(set, *read.header, file.figures);
  analysis::ComputeMaxDirections(set.kind, set.data, file.figures);
  file.reference = analysis::ComputeSensitivityReference(set);
  file.statusLine = CreatorStatusLine(*set.info);
  file.dataValid = true;
  InstallLoaded(std::move(file), path, holder);
  return {true, textformat::kReadClean, true};
}

OpenOutcome OpenDataFile(const std::filesystem::path& path, DataSetHolder& holder,
                         const OpenContext& context) {
  if (binary::BinaryNameKind(path.string()) != binary::BinaryName::None) {
    return OpenBinaryFile(path, holder, context);
  }
  return OpenTextFile(path, holder, context);
}

}  // namespace zef::app
