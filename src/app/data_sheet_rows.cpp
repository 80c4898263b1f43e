#include "app/data_sheet_rows.h"

#include <cmath>
#include <string>

#include "app/data_sheet_format.h"
#include "graphs/number_format.h"

namespace zef::app {
namespace {

using model::IsMissing;
using model::PerBand;

// Each octave covers three one-third-octave bands of the axial spectrum.
constexpr int kThirdsPerOctave = 3;

// " -" for a missing value, else the value's text.
template <typename Format>
std::string ValueText(float value, Format format) {
  return IsMissing(value) ? std::string(kMissingText) : format(value);
}

template <typename CellText>
void FillCells(SheetRow& row, const analysis::BandRange& range, CellText cellText) {
  for (int band = range.first; band <= range.last; ++band) row.cells[band] = cellText(band);
}

// The power sum of the three thirds of an octave; empty unless all three are given.
std::string OctaveSpectrumText(const float* spectrum, int band, bool comma) {
  double power = 0.0;
  for (int third = kThirdsPerOctave * band; third < kThirdsPerOctave * (band + 1); ++third) {
    if (IsMissing(spectrum[third])) return "";
    power += std::pow(10.0, 0.1 * spectrum[third]);
  }
  return graphs::FormatFixed(10.0 * std::log10(power), 1, comma);
}

std::string AxialSpectrumText(const model::DataSet& set, int band, bool comma) {
  const model::InfoRecord& info = *set.info;
  if ((info.presenceFlags & model::presence::kAxialSpectrum) == 0) return kMissingText;
  if (set.kind == model::FormatKind::Zef1) {
    return OctaveSpectrumText(info.axialSpectrum, band, comma);
  }
  return ValueText(info.axialSpectrum[band],
                   [&](float v) { return graphs::FormatFixed(v, 1, comma); });
}

std::string QText(float q, std::uint8_t offAxisClass, bool showDirectivityIndex, bool comma) {
  const float shown = showDirectivityIndex ? analysis::AxialDI(q) : q;
  if (IsMissing(shown)) return kMissingText;
  return OffAxisMarked(graphs::FormatFixed(shown, 1, comma), offAxisClass);
}

std::string WidthText(float degrees, std::uint8_t offAxisClass) {
  return IsMissing(degrees) ? std::string(kMissingText)
                            : OffAxisMarked(WholeText(degrees), offAxisClass);
}

void FillElectricalRows(std::array<SheetRow, kSheetRows>& rows, const model::DataSet& set,
                        const analysis::BandRange& range, bool comma) {
  // A powered loudspeaker's own amplifier makes these figures meaningless.
  if (set.info->type == model::SpeakerType::Powered) return;
  const model::DataRecord& data = set.data;
  FillCells(rows[static_cast<int>(SheetRowId::InputVoltage)], range, [&](int band) {
    return ValueText(data.Array(PerBand::InputVoltage)[band],
                     [&](float v) { return AdaptiveText(v, 3, comma); });
  });
  FillCells(rows[static_cast<int>(SheetRowId::Sensitivity)], range, [&](int band) {
    return ValueText(data.Array(PerBand::Sensitivity)[band],
                     [&](float v) { return graphs::FormatFixed(v, 1, comma); });
  });
  FillCells(rows[static_cast<int>(SheetRowId::Impedance)], range, [&](int band) {
    return ValueText(data.Array(PerBand::Impedance)[band],
                     [&](float v) { return KiloText(v, 1, 2, comma); });
  });
}

}  // namespace

std::array<SheetRow, kSheetRows> BuildSheetRows(const model::DataSet& set,
                                                const analysis::DirectivityFigures& figures,
                                                const analysis::BandRange& range,
                                                bool showDirectivityIndex, bool comma) {
  std::array<SheetRow, kSheetRows> rows;
  const auto row = [&](SheetRowId id) -> SheetRow& { return rows[static_cast<int>(id)]; };
  row(SheetRowId::InputVoltage) = {"Inp. voltage:", "Vrms", {}};
  row(SheetRowId::Sensitivity) = {"Sensitivity:", "dB", {}};
  row(SheetRowId::Impedance) = {"Impedance:", "Ohm", {}};
  row(SheetRowId::HorizontalWidth) = {"-6dB w. hor:", "deg", {}};
  row(SheetRowId::VerticalWidth) = {"-6dB w. ver:", "deg", {}};
  row(SheetRowId::AxialQ) =
      showDirectivityIndex ? SheetRow{"Axial DI:", "dB", {}} : SheetRow{"Axial Q:", " ", {}};
  row(SheetRowId::AxialSpectrum) = {"Ax. Spect.:", "dB", {}};

  FillElectricalRows(rows, set, range, comma);
  FillCells(row(SheetRowId::HorizontalWidth), range, [&](int band) {
    return WidthText(figures.horizontalWidth[band], figures.horizontalOffClass[band]);
  });
  FillCells(row(SheetRowId::VerticalWidth), range, [&](int band) {
    return WidthText(figures.verticalWidth[band], figures.verticalOffClass[band]);
  });
  FillCells(row(SheetRowId::AxialQ), range, [&](int band) {
    return QText(set.data.Array(PerBand::AxialQ)[band], figures.offAxisClass[band],
                 showDirectivityIndex, comma);
  });
  FillCells(row(SheetRowId::AxialSpectrum), range,
            [&](int band) { return AxialSpectrumText(set, band, comma); });
  return rows;
}

}  // namespace zef::app
