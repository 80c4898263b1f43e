#include "sample_sets.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "model/fixed_text.h"
#include "set_builder.h"

namespace zef::samplegen {
namespace {

using model::FormatKind;
namespace presence = model::presence;
namespace cabinet_flag = model::cabinet_flag;

const std::uint32_t kBlack = Rgb(30, 30, 30);
const std::uint32_t kGrey = Rgb(128, 128, 128);
const std::uint32_t kSilver = Rgb(192, 192, 200);

// Absolute levels at the measuring distance for an input of 2.83 V (1 W into 8 ohm).
double DistanceOffsetDb(float metres) {
  return -20.0 * std::log10(metres);
}

void SetMaxInput(model::DataSet& set, model::MaxInputKind kind, float value,
                 model::TestMethod method, std::string_view info) {
  set.info->maxInputKind = kind;
  set.info->maxInputValue = value;
  set.info->maxInputMethod = method;
  if (!info.empty()) SetFlaggedText(set, set.info->methodInfo, presence::kMethodInfo, info);
}

void SetBalloonKind(model::DataSet& set, model::Radiation radiation, model::Symmetry symmetry,
                    model::BalloonRef ref) {
  set.info->radiation = radiation;
  set.info->symmetry = symmetry;
  set.info->balloonRef = ref;
}

void SetRectangular(model::DataSet& set, model::Point3 low, model::Point3 high) {
  const float corners[6] = {low.x, low.y, low.z, high.x, high.y, high.z};
  std::copy(corners, corners + 6, set.info->rectangular);
  set.info->cabinetFlags |= cabinet_flag::kRectangular;
}

// Two-way, 12-inch woofer below a compression driver on a 90 x 50 degree horn.
SpeakerModel TwoWayModel() {
  SpeakerModel m;
  m.drivers = {Driver{0.13, 0.13, 0, -0.12, 0, 0, Section::Low},
               Driver{0.012, 0.02, 0, 0.17, 0.00005, -1.0, Section::High}};
  m.crossoverHz = 1600;
  m.lowCornerHz = 55;
  m.lowOrder = 4;
  m.sensitivityDb = 97;
  m.baffleWidth = 0.42;
  m.rearMaxDb = 18;
  m.impedance = ImpedanceModel{5.6, 0.00012, 50, 5.0, 0.4, 52};
  return m;
}

Sample TwoWay() {
  model::DataSet set = NewSet(FormatKind::Zef1, 1, 1, 9);
  SetIdentity(
      set, {"ZS-212", "Zefview Sample Works", "www.example.com/zs-212",
            "12-inch two-way loudspeaker, 1-inch compression driver on a 90 x 50 horn",
            "Black (RAL 9005), white on request", "Two M10 flying points, 35 mm pole socket", 24.5f,
            "Sample Lab", "lab@example.com", "2024-MAR-14",
            "Computed from an analytic piston-in-a-box model", "Free field", 4.0f});
  SetInputVoltage(set, 2.83f);
  const SpeakerModel m = TwoWayModel();
  FillElectroAcoustic(set, m);
  SetFlaggedText(set, set.info->sensitivityInfo, presence::kSensitivityInfo,
                 "Octave bands, 2.83 V at 1 m");
  SetFlaggedText(set, set.info->impedanceInfo, presence::kImpedanceInfo,
                 "Nominal 8 ohm, vented box tuned to 52 Hz");
  SetMaxInput(set, model::MaxInputKind::Power, 400, model::TestMethod::Aes2_1984,
              "2 hours, pink noise with 6 dB crest factor");
  SetBalloonKind(set, model::Radiation::FullSphere, model::Symmetry::Horizontal,
                 model::BalloonRef::Absolute);
  FillAxialSpectrum(set, m, 2);
  SetFlaggedText(set, set.info->axialSpectrumInfo, presence::kAxialSpectrumInfo,
                 "One-third-octave on-axis response, 1 W / 1 m");
  FillBalloon(set, m, DistanceOffsetDb(set.info->measurementDistance));

  set.info->presenceFlags |= presence::kCabinetSystem;
  SetRectangular(set, {-0.38f, -0.21f, -0.33f}, {0.0f, 0.21f, 0.33f});
  set.info->cabinetFlags |= cabinet_flag::kEdges;
  AddCircleEdges(set.cabinet.edges, 0, 0, -0.12, 0.15, 24, kGrey);
  AddCircleEdges(set.cabinet.edges, 0, 0, -0.12, 0.06, 12, kGrey);
  AddRectangleEdges(set.cabinet.edges, 0, -0.12, 0.12, 0.12, 0.25, kSilver);
  textformat::TextWriteOptions options;
  options.ownSymmetry = true;
  options.comments = {"ZS-212 sample, made by zef-samplegen from an analytic loudspeaker model"};
  return {"two-way-zef1.txt", std::move(set), options};
}

// Eight small drivers in a line, the outer ones driven less to keep the side
// lobes down.
SpeakerModel ColumnModel() {
  constexpr double kTaperDb[8] = {-6, -3, -1, 0, 0, -1, -3, -6};
  SpeakerModel m;
  for (int i = 0; i < 8; ++i) {
    m.drivers.push_back(Driver{0.045, 0.045, 0, -0.385 + 0.11 * i, 0, kTaperDb[i], Section::Full});
  }
  m.lowCornerHz = 90;
  m.sensitivityDb = 95;
  m.baffleWidth = 0.14;
  m.rearMaxDb = 12;
  m.impedance = ImpedanceModel{3.4, 0.00008, 95, 3.5, 0.6, 0};
  return m;
}

// A test signal shaped like programme material with the column's range.
void SetCustomSpectrum(model::DataSet& set) {
  for (int i = 0; i < model::kMaxBands; ++i) {
    const double below = std::max(0, 5 - i) * 6.0;
    const double above = std::max(0, i - 22) * 2.5;
    set.info->customSpectrum[i] = static_cast<float>(0.0 - below - above - 0.5 * (i % 2));
  }
}

Sample Column() {
  model::DataSet set = NewSet(FormatKind::Zef2, 1, 5, 28);
  SetIdentity(set, {"ZS-C8 column", "Zefview Sample Works", "www.example.com/zs-c8",
                    "Column with eight 3.5-inch drivers", "Black, white",
                    "Wall bracket with 0 to 10 degrees tilt", 14.2f, "Sample Lab",
                    "lab@example.com", "2024-MAY-02", "Drive levels tapered towards the ends",
                    "Free field, half space", 2.0f});
  SetInputVoltage(set, 4.0f);
  set.info->type = model::SpeakerType::Active;
  SetFlaggedText(set, set.info->typeInfo, presence::kTypeInfo,
                 "Two-channel DSP amplifier required.\r\nPreset ZS-C8 v2.1, 96 kHz");
  const SpeakerModel m = ColumnModel();
  FillElectroAcoustic(set, m);
  SetFlaggedText(set, set.info->sensitivityInfo, presence::kSensitivityInfo,
                 "One-third-octave bands, 2.83 V at 1 m,\r\nwith the DSP preset");
  SetMaxInput(set, model::MaxInputKind::Voltage, 60, model::TestMethod::Custom,
              "Band-limited pink noise, 80 Hz to 16 kHz, 100 hours");
  SetCustomSpectrum(set);
  SetBalloonKind(set, model::Radiation::HalfSphere, model::Symmetry::None,
                 model::BalloonRef::Relative);
  FillAxialSpectrum(set, m, 5);
  FillBalloon(set, m);

  const float trapezoid[10] = {-0.16f, 0.0f,   -0.07f, 0.07f, -0.05f,
                               0.05f,  -0.62f, 0.62f,  -0.6f, 0.6f};
  std::copy(trapezoid, trapezoid + 10, set.info->trapezoidal);
  set.info->cabinetFlags |= cabinet_flag::kTrapezoidal | cabinet_flag::kFaces;
  model::CabinetGeometry& cabinet = set.cabinet;
  cabinet.faces.Add(FrontRectangle(0, -0.065, -0.6, 0.065, 0.6, kBlack));
  for (const Driver& d : m.drivers) cabinet.faces.Add(DiscFace(0, d.y, d.z, d.radiusY, 12, kGrey));
  AddRectangleEdges(cabinet.faceEdges, 0, -0.065, -0.6, 0.065, 0.6, kSilver);
  textformat::TextWriteOptions options;
  options.comments = {"ZS-C8 sample, made by zef-samplegen from an analytic loudspeaker model"};
  return {"column-zef2-v1.txt", std::move(set), options};
}

// Coaxial: a 12-inch cone around a compression driver on an 80 x 60 horn.
SpeakerModel CoaxModel() {
  SpeakerModel m;
  m.drivers = {Driver{0.125, 0.125, 0, 0, 0, 0, Section::Low},
               Driver{0.013, 0.018, 0, 0, 0.00012, -2.0, Section::High}};
  m.crossoverHz = 1200;
  m.lowCornerHz = 60;
  m.lowOrder = 4;
  m.sensitivityDb = 99;
  m.baffleWidth = 0.42;
  m.rearMaxDb = 22;
  m.impedance = ImpedanceModel{6.0, 0.00015, 48, 6.0, 0.35, 55};
  return m;
}

std::vector<std::uint8_t> InfoFileText() {
  const std::string_view text =
      "ZS-CX12 coaxial loudspeaker\r\n"
      "\r\n"
      "Top cabinet of the ZS-CX12 system; use with the ZS-S18 subwoofer below 100 Hz.\r\n"
      "The FIR filter of the data file is the factory preset for 48 kHz processors.\r\n"
      "All data computed from an analytic model by zef-samplegen.\r\n";
  return {text.begin(), text.end()};
}

Sample Coax() {
  model::DataSet set = NewSet(FormatKind::Zef2, 2, 4, 29);
  set.draft = 1;
  set.systemPart.part = 1;
  set.systemPart.parts = 2;
  model::SetText(set.systemPart.partText, "Top cabinet, use with ZS-S18 subwoofer");
  set.cabinet.infoFile = {model::EmbeddedKind::Text, InfoFileText()};
  SetIdentity(set, {"ZS-CX12", "Zefview Sample Works", "www.example.com/zs-cx12",
                    "12-inch coaxial loudspeaker with phase data", "Black", "M8 inserts, U-bracket",
                    21.0f, "Sample Lab", "lab@example.com", "2024-SEP-30",
                    "Phase referred to the front baffle", "Free field", 3.0f});
  set.info->presenceFlags |= presence::kPhaseData;
  const SpeakerModel m = CoaxModel();
  FillElectroAcoustic(set, m);
  set.filter = std::make_unique<model::FilterDescriptor>();
  set.filter->kind = model::FilterKind::FirWav;
  set.filter->taps = WindowedSincLowPass(31, 12000, 48000);
  set.filter->sampleRate = 48000;
  SetFlaggedText(set, set.info->impedanceInfo, presence::kImpedanceInfo, "Nominal 8 ohm");
  SetMaxInput(set, model::MaxInputKind::Power, 600, model::TestMethod::Iec268_1, "");
  SetBalloonKind(set, model::Radiation::FullSphere, model::Symmetry::Full,
                 model::BalloonRef::Relative);
  FillBalloon(set, m);

  set.info->presenceFlags |= presence::kCabinetSystem;
  SetRectangular(set, {-0.35f, -0.21f, -0.21f}, {0.0f, 0.21f, 0.21f});
  set.info->cabinetFlags |= cabinet_flag::kFaces;
  model::CabinetGeometry& cabinet = set.cabinet;
  cabinet.faces.Add(FrontRectangle(0, -0.2, -0.2, 0.2, 0.2, kBlack));
  cabinet.faces.Add(DiscFace(0, 0, 0, 0.15, 24, kGrey));
  cabinet.faces.Add(FrontRectangle(0, -0.05, -0.035, 0.05, 0.035, kSilver));
  AddCircleEdges(cabinet.faceEdges, 0, 0, 0, 0.15, 24, kSilver);
  set.systemPart.referencePoint[0] = -0.175f;
  set.systemPart.referencePoint[2] = 0.21f;
  model::SetText(set.systemPart.referenceText, "Rigging point, top centre");
  textformat::TextWriteOptions options;
  options.ownSymmetry = true;
  options.infoFileName = "coax-info.txt";
  options.firWavFileName = "coax-fir.wav";
  options.comments = {"ZS-CX12 sample, made by zef-samplegen from an analytic loudspeaker model"};
  return {"coax-zef2-v2.txt", std::move(set), options};
}

// A DSP high-pass at 45 Hz as a complex response per band.
void SetComplexFilter(model::DataSet& set) {
  model::FilterDescriptor& filter = *(set.filter = std::make_unique<model::FilterDescriptor>());
  filter.kind = model::FilterKind::ThirdOctaveComplex;
  filter.real.assign(model::kMaxBands, 0.0f);
  filter.imag.assign(model::kMaxBands, 0.0f);
  for (auto b = set.data.MinBand(); b <= set.data.MaxBand(); ++b) {
    const std::complex<double> s(0, model::BandFrequency(set.kind, static_cast<int>(b)) / 45.0);
    const std::complex<double> h = s * s / (s * s + s * std::numbers::sqrt2 + 1.0);
    filter.real[b] = static_cast<float>(std::round(h.real() * 10000) / 10000 + 0.0);
    filter.imag[b] = static_cast<float>(std::round(h.imag() * 10000) / 10000 + 0.0);
  }
}

}  // namespace

std::vector<Sample> BundledSamples() {
  std::vector<Sample> samples;
  samples.push_back(TwoWay());
  samples.push_back(Column());
  samples.push_back(Coax());
  return samples;
}

model::DataSet LargestSet() {
  model::DataSet set = NewSet(FormatKind::Zef2, 2, 3, 29);
  set.systemPart.part = 1;
  set.systemPart.parts = 1;
  SetIdentity(set, {"ZS-L benchmark", "Zefview Sample Works", "www.example.com/zs-l",
                    "Two-way with offset drivers: no symmetry", "Grey", "Floor", 30.0f,
                    "Sample Lab", "lab@example.com", "2024-JAN-15",
                    "Largest file the format allows", "Free field", 4.0f});
  set.info->presenceFlags |= presence::kPhaseData;
  SpeakerModel m = TwoWayModel();
  m.drivers[0].y = 0.06;
  m.drivers[1].y = -0.04;
  FillElectroAcoustic(set, m);
  SetComplexFilter(set);
  SetMaxInput(set, model::MaxInputKind::Power, 500, model::TestMethod::Eia426B, "");
  SetBalloonKind(set, model::Radiation::FullSphere, model::Symmetry::None,
                 model::BalloonRef::Relative);
  FillAxialSpectrum(set, m, 3);
  FillBalloon(set, m);
  SetRectangular(set, {-0.4f, -0.25f, -0.35f}, {0.0f, 0.25f, 0.35f});
  return set;
}

}  // namespace zef::samplegen
