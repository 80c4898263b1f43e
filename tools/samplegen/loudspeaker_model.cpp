#include "loudspeaker_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zef::samplegen {
namespace {

using Complex = std::complex<double>;

constexpr double kSpeedOfSound = 343.0;  // m/s
constexpr double kPi = std::numbers::pi;
constexpr double kButterworthQ = std::numbers::sqrt2 / 2;
// Frequencies averaged per band: enough to smooth the lobes a real band
// measurement smooths, few enough to stay quick for the largest file.
constexpr int kBandSamples = 5;
constexpr double kReferenceHz = 1000;
constexpr double kTiltStartHz = 1000;
// Keeps the level of an exact null finite.
constexpr double kPowerFloor = 1e-12;

Complex LowPass2(double f, double corner, double q) {
  const Complex s(0, f / corner);
  return 1.0 / (s * s + s / q + 1.0);
}

Complex HighPass2(double f, double corner, double q) {
  const Complex s(0, f / corner);
  return s * s / (s * s + s / q + 1.0);
}

// Linkwitz-Riley 4th order: the two sections sum to an all-pass.
Complex SectionGain(const SpeakerModel& model, Section section, double f) {
  switch (section) {
    case Section::Low: {
      const Complex h = LowPass2(f, model.crossoverHz, kButterworthQ);
      return h * h;
    }
    case Section::High: {
      const Complex h = HighPass2(f, model.crossoverHz, kButterworthQ);
      return h * h;
    }
    case Section::Full:
      break;
  }
  return 1.0;
}

// Closed box: 2nd-order high-pass; vented box: 4th-order Butterworth.
Complex SystemGain(const SpeakerModel& model, double f) {
  Complex h = model.lowOrder == 4 ? HighPass2(f, model.lowCornerHz, 0.5412) *
                                        HighPass2(f, model.lowCornerHz, 1.3066)
                                  : HighPass2(f, model.lowCornerHz, kButterworthQ);
  h *= LowPass2(f, model.highCornerHz, kButterworthQ);
  if (f > kTiltStartHz) {
    h *= std::pow(10.0, model.tiltDbPerOctave * std::log2(f / kTiltStartHz) / 20);
  }
  return h;
}

// Behind the baffle the box shadows the sound, the more the shorter the
// wavelength is against the baffle.
double RearFactor(const SpeakerModel& model, double f, const Direction& u) {
  if (u.x >= 0) return 1;
  const double shadowHz = kSpeedOfSound / model.baffleWidth;
  const double ratio = f / shadowHz;
  const double dropDb = std::min(model.rearMaxDb, 10 * std::log10(1 + ratio * ratio));
  return std::pow(10.0, -dropDb * -u.x / 20);
}

double ReferenceDb(const SpeakerModel& model) {
  const Complex axis = Pressure(model, kReferenceHz, Direction{});
  return 10 * std::log10(std::norm(axis) / std::norm(SystemGain(model, kReferenceHz)));
}

}  // namespace

Direction GridDirection(double alphaDeg, double phiDeg) {
  const double alpha = alphaDeg * kPi / 180;
  const double phi = phiDeg * kPi / 180;
  return {std::cos(alpha), std::sin(alpha) * std::sin(phi), std::sin(alpha) * std::cos(phi)};
}

double PistonFactor(double x) {
  if (std::abs(x) < 1e-9) return 1.0;
  return 2 * std::cyl_bessel_j(1.0, std::abs(x)) / std::abs(x);
}

std::complex<double> Pressure(const SpeakerModel& model, double f, const Direction& u) {
  const double k = 2 * kPi * f / kSpeedOfSound;
  const double omega = 2 * kPi * f;
  Complex sum = 0;
  for (const Driver& d : model.drivers) {
    const double x = k * std::hypot(d.radiusY * u.y, d.radiusZ * u.z);
    const double phase = k * (d.y * u.y + d.z * u.z) - omega * d.delay;
    sum += std::pow(10.0, d.gainDb / 20) * SectionGain(model, d.section, f) * PistonFactor(x) *
           std::polar(1.0, phase);
  }
  return sum * SystemGain(model, f) * RearFactor(model, f, u);
}

double BandPowerDb(const SpeakerModel& model, double centreHz, double widthOctaves,
                   const Direction& u) {
  double power = 0;
  for (int i = 0; i < kBandSamples; ++i) {
    const double f = centreHz * std::exp2(widthOctaves * ((i + 0.5) / kBandSamples - 0.5));
    power += std::norm(Pressure(model, f, u));
  }
  return 10 * std::log10(std::max(power / kBandSamples, kPowerFloor));
}

double AxialSensitivity(const SpeakerModel& model, double centreHz, double widthOctaves) {
  return model.sensitivityDb + BandPowerDb(model, centreHz, widthOctaves, Direction{}) -
         ReferenceDb(model);
}

double RelativePhase(const SpeakerModel& model, double centreHz, const Direction& u) {
  return std::arg(Pressure(model, centreHz, u) / Pressure(model, centreHz, Direction{}));
}

double AxialPhase(const SpeakerModel& model, double centreHz) {
  return std::arg(Pressure(model, centreHz, Direction{}));
}

double ImpedanceMagnitude(const ImpedanceModel& model, double f) {
  const double res = model.re * model.qms / model.qes;
  auto resonance = [&](double peakHz, double scale) {
    return scale * res / Complex(1.0, model.qms * (f / peakHz - peakHz / f));
  };
  // A port splits the single peak of a closed box into two around its tuning.
  const Complex motional = model.fb > 0
                               ? resonance(model.fb * 0.62, 0.55) + resonance(model.fb * 1.65, 0.45)
                               : resonance(model.fs, 1.0);
  const Complex coil(model.re, 2 * kPi * f * model.le);
  return std::abs(coil + motional);
}

std::vector<float> WindowedSincLowPass(int taps, double cutoffHz, double sampleRate) {
  const double fc = cutoffHz / sampleRate;
  const double centre = (taps - 1) / 2.0;
  std::vector<double> h(static_cast<std::size_t>(taps));
  double sum = 0;
  for (int n = 0; n < taps; ++n) {
    const double t = n - centre;
    const double sinc = t == 0 ? 2 * fc : std::sin(2 * kPi * fc * t) / (kPi * t);
    const double w = 2 * kPi * n / (taps - 1);
    const double window = 0.42 - 0.5 * std::cos(w) + 0.08 * std::cos(2 * w);
    h[static_cast<std::size_t>(n)] = sinc * window;
    sum += sinc * window;
  }
  std::vector<float> out;
  out.reserve(h.size());
  for (const double v : h) out.push_back(static_cast<float>(v / sum));
  return out;
}

}  // namespace zef::samplegen
