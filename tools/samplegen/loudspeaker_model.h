#pragma once

#include <complex>
#include <vector>

namespace zef::samplegen {

// A unit direction in the balloon frame: x on axis, y to the left, z up.
struct Direction {
  double x = 1, y = 0, z = 0;
};

// The direction of a balloon grid point: `alphaDeg` away from the axis on the
// arc turned `phiDeg` about it (arc 0 points up, arc 90 to the left).
Direction GridDirection(double alphaDeg, double phiDeg);

// 2 J1(x) / x, the far-field factor of a baffled circular piston.
double PistonFactor(double x);

// Which crossover section feeds a driver.
enum class Section { Full, Low, High };

// One radiator on the front baffle: a piston (elliptical for a horn mouth,
// its half-widths across y and z), where it sits and how it is fed.
struct Driver {
  double radiusY = 0.1;  // m
  double radiusZ = 0.1;  // m
  double y = 0;          // m, position on the baffle
  double z = 0;
  double delay = 0;  // s, behind the reference plane
  double gainDb = 0;
  Section section = Section::Full;
};

// Electrical impedance of a driver in its box: voice-coil resistance and
// inductance, the mechanical resonance, and for a vented box the port tuning.
struct ImpedanceModel {
  double re = 6.2;     // ohm
  double le = 0.0008;  // H
  double fs = 55;      // Hz, resonance in the box
  double qms = 4.0;
  double qes = 0.45;
  double fb = 0;  // Hz, port tuning; 0 for a closed box
};

// A loudspeaker as an analytic model: pistons in a box, an LR4 crossover
// between the low and high sections, a system high-pass and a gentle
// high-frequency tilt, a rear roll-off growing with frequency.
struct SpeakerModel {
  std::vector<Driver> drivers;
  double crossoverHz = 2000;
  double lowCornerHz = 60;
  int lowOrder = 2;  // 2 closed box, 4 vented box
  double highCornerHz = 20000;
  double tiltDbPerOctave = -0.5;  // above 1 kHz
  double sensitivityDb = 90;      // dB SPL at 1 W / 1 m in the middle band
  double baffleWidth = 0.4;       // m: the rear shadow starts where it is a wavelength across
  double rearMaxDb = 20;
  ImpedanceModel impedance;
};

// Relative far-field pressure at frequency f in direction u (1 on axis in the
// middle band), with the phase of the sound leaving the reference plane.
std::complex<double> Pressure(const SpeakerModel& model, double f, const Direction& u);

// Power average in dB, over frequencies spread across a band around
// `centreHz` `widthOctaves` wide, of the pressure in direction u.
double BandPowerDb(const SpeakerModel& model, double centreHz, double widthOctaves,
                   const Direction& u);

// On-axis level of a band in dB SPL at 1 W / 1 m.
double AxialSensitivity(const SpeakerModel& model, double centreHz, double widthOctaves);

// Phase in radians at `centreHz` relative to the on-axis phase, in (-pi, pi].
double RelativePhase(const SpeakerModel& model, double centreHz, const Direction& u);

// Phase in radians of the on-axis pressure, in (-pi, pi].
double AxialPhase(const SpeakerModel& model, double centreHz);

// Magnitude of the input impedance in ohm.
double ImpedanceMagnitude(const ImpedanceModel& model, double f);

// A windowed-sinc low-pass FIR (Blackman window), unity gain at DC.
std::vector<float> WindowedSincLowPass(int taps, double cutoffHz, double sampleRate);

}  // namespace zef::samplegen
