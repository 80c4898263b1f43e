#include "app/clipboard_tables.h"

#include "analysis/band_range.h"
#include "app/data_sheet_format.h"
#include "graphs/number_format.h"
#include "model/bands.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

// The octave table keeps a spreadsheet's third-octave columns: each octave
// sits between two empty cells.
constexpr int kFirstOctave = 1;
constexpr int kLastOctave = 9;
// The third-octave table starts at 50 Hz.
constexpr int kFirstThird = 3;
constexpr int kLastThird = 29;
constexpr int kSpectrumBands = 30;

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::string ValueCell(float value, bool comma) {
  return model::IsMissing(value) ? "-" : graphs::FormatFixed(value, 1, comma);
}

std::string MakerAndModel(const model::InfoRecord& info) {
  return Quoted(model::TextOf(info.manufacturer)) + "\t" + Quoted(model::TextOf(info.modelName));
}

// The file's name without its folders; names made on Windows may carry
// backslashes and a drive.
std::string FileNameCells(std::string_view currentFile) {
  const std::size_t folderEnd = currentFile.find_last_of("\\/:");
  return "\t\t" + Quoted(folderEnd == std::string_view::npos ? currentFile
                                                             : currentFile.substr(folderEnd + 1));
}

}  // namespace

std::string SensitivityTable(const model::DataSet& set, std::string_view currentFile,
                             bool decimalComma) {
  const analysis::BandRange range = analysis::BandsOf(set.data);
  const auto sensitivity = set.data.Array(model::PerBand::Sensitivity);
  const auto cell = [&](int band) {
    return band >= range.first && band <= range.last ? ValueCell(sensitivity[band], decimalComma)
                                                     : std::string();
  };
  std::string text = MakerAndModel(*set.info);
  if (set.kind == model::FormatKind::Zef1) {
    for (int band = kFirstOctave; band <= kLastOctave; ++band) text += "\t\t" + cell(band) + "\t";
  } else {
    for (int band = kFirstThird; band <= kLastThird; ++band) text += "\t" + cell(band);
  }
  return text + FileNameCells(currentFile);
}

std::string AxialSpectrumTable(const model::DataSet& set, std::string_view currentFile,
                               bool decimalComma) {
  std::string text = "\t";
  for (int band = 0; band < kSpectrumBands; ++band) {
    text += "\t" + Quoted(model::Zef2ShortLabel(band));
  }
  text += "\r\n" + MakerAndModel(*set.info);
  for (int band = 0; band < kSpectrumBands; ++band) {
    text += "\t" + ValueCell(set.info->axialSpectrum[band], decimalComma);
  }
  return text + FileNameCells(currentFile);
}

bool SensitivityTableAvailable(const model::DataSet& set, bool dataValid, bool loadedFromText) {
  return dataValid && !loadedFromText && set.info->type != model::SpeakerType::Powered;
}

bool AxialSpectrumTableAvailable(const model::DataSet& set, bool dataValid, bool loadedFromText) {
  return dataValid && !loadedFromText &&
         (set.info->presenceFlags & model::presence::kAxialSpectrum) != 0;
}

}  // namespace zef::app
