#include "app/export_sheet.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/data_sheet.h"
#include "app/export_pictures.h"
#include "app/lower_graph.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDash = " \xE2\x80\x93 ";  // an en dash between spaces
// Far above any data file (a full binary with its embedded files stays below
// 2 MB); a larger one is not read into memory to find that out.
constexpr std::uintmax_t kLargestDataFile = 64u << 20;

// Whole UTF-8 characters only; anything else is taken as Latin-1.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

std::string Utf8Of(std::string_view text) {
  if (IsUtf8(text)) return std::string(text);
  std::string utf8;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
      continue;
    }
    utf8 += static_cast<char>(0xC0 | (byte >> 6));
    utf8 += static_cast<char>(0x80 | (byte & 0x3F));
  }
  return utf8;
}

// "1k" as "1 kHz", "31.5" as "31.5 Hz".
std::string BandText(model::FormatKind kind, int band) {
  std::string label(ColumnLabel(kind, band));
  if (!label.empty() && label.back() == 'k') {
    label.pop_back();
    return label + " kHz";
  }
  return label + " Hz";
}

std::string ReferenceText(const ExportViewInfo& info, const ExportRequest& request,
                          const model::DataSet& set) {
  // A powered loudspeaker's levels are never referred to the maximum.
  const bool powered = set.info->type == model::SpeakerType::Powered;
  switch (info.reference) {
    case CaptionReference::kPolar:
      return request.options.Get(graphs::Option::kPolarReferenceMax) && !powered
                 ? "re max Sensitivity"
                 : "re on-axis";
    case CaptionReference::kBalloon:
      return request.options.Get(graphs::Option::kBalloonReferenceMax) && !powered ? "re max Sens."
                                                                                   : "re on-axis";
    case CaptionReference::kNone:
      break;
  }
  return {};
}

std::optional<std::string> RefuseDataFile(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return path.string() + " does not exist";
  if (!fs::is_regular_file(status)) return path.string() + " is not a regular file";
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size > kLargestDataFile) return path.string() + " is too large for a data file";
  return std::nullopt;
}

std::optional<std::string> RefuseOutput(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return std::nullopt;
  if (!fs::is_regular_file(status)) {
    return "Cannot write " + path.string() + ": it is not a regular file";
  }
  // A file marked read-only stays so even for a user who could override
  // it; opening to append changes nothing but tells whether we may write.
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  const bool marked = (status.permissions() & kWrite) != fs::perms::none;
  if (!marked || !std::ofstream(path, std::ios::binary | std::ios::app)) {
    return "Cannot write " + path.string() + ": it is read-only";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> RefuseExportFiles(const ExportRequest& request) {
  if (std::optional<std::string> refused = RefuseDataFile(request.file)) return refused;
  return RefuseOutput(request.output);
}

std::string ExportCaption(const ExportRequest& request, const model::DataSet& set,
                          std::optional<int> band, std::string_view graphTitle) {
  const ExportViewInfo& info = InfoOf(request.view);
  std::string caption = Utf8Of(model::TextOf(set.info->manufacturer));
  const std::string model = Utf8Of(model::TextOf(set.info->modelName));
  if (!model.empty()) caption += (caption.empty() ? "" : " ") + model;
  if (!caption.empty()) caption += kDash;
  caption += info.caption.empty() ? std::string(graphTitle) : std::string(info.caption);
  if (info.showsBand && band) caption += ", " + BandText(set.kind, *band);
  const std::string reference = ReferenceText(info, request, set);
  if (!reference.empty()) caption += std::string(kDash) + reference;
  return caption;
}

ExportSheet::ExportSheet(int width, int height, const graphs::FontMetrics& metrics,
                         model::MessageSink& errors)
    : graph_(width, height, metrics, errors), notes_(width, height, metrics, errors) {}

std::unique_ptr<ExportSheet> ExportSheet::Build(const ExportRequest& request, DataSetHolder& holder,
                                                bool decimalComma,
                                                const graphs::FontMetrics& metrics,
                                                model::MessageSink& errors, std::string& error) {
  const double scale = ExportScale(request);
  const int width = std::max(1, static_cast<int>(std::lround(request.width / scale)));
  const int height = std::max(1, static_cast<int>(std::lround(request.height / scale)));
  const ExportViewInfo& info = InfoOf(request.view);
  graphs::SheetNotes notes;
  if (!request.bare) {
    notes.caption = " ";  // its text needs the graph, its line does not
    if (info.colourKey) notes.keyRange = request.range.value_or(-40);
  }
  const graphs::SheetLayout layout = graphs::LayOutSheet(width, height, notes, metrics);

  auto sheet = std::make_unique<ExportSheet>(width, height, metrics, errors);
  sheet->graph_.SetSize(width, layout.graphHeight);
  const bool built = IsWindowPicture(request.view)
                         ? BuildWindowPicture(request, holder, sheet->graph_, errors, error)
                         : BuildLowerGraph(request, holder, decimalComma, sheet->graph_, error);
  if (!built) return nullptr;
  sheet->picture_ = {&sheet->graph_, nullptr, 0, width, height, request.width, request.height};
  if (request.bare) return sheet;

  std::string ignored;
  const std::optional<int> band = RequestedBand(request, holder, ignored);
  notes.caption = ExportCaption(request, *holder.Loaded(), band, sheet->graph_.Descriptor().title);
  graphs::DrawSheetNotes(sheet->notes_, layout, notes);
  sheet->picture_.notes = &sheet->notes_;
  sheet->picture_.graphTop = layout.graphTop;
  return sheet;
}

}  // namespace zef::app
