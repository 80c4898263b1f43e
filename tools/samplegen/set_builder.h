#pragma once

#include <cstdint>
#include <string_view>

#include "loudspeaker_model.h"
#include "model/data_set.h"
#include "model/fixed_text.h"

namespace zef::samplegen {

// A new set of a kind, format version and band range, with a phase block for
// version 2 as the reader would make it.
model::DataSet NewSet(model::FormatKind kind, std::uint32_t version, int minBand, int maxBand);

// The descriptive texts every sample carries.
struct Identity {
  std::string_view modelName;
  std::string_view manufacturer;
  std::string_view webSite;
  std::string_view description;
  std::string_view colors;
  std::string_view mounting;
  float weight;  // kg
  std::string_view contact;
  std::string_view email;
  std::string_view date;  // YYYY-MMM-DD
  std::string_view note;
  std::string_view environment;
  float distance;  // m
};

void SetIdentity(model::DataSet& set, const Identity& identity);

// Sets a text field with its presence bit.
template <std::size_t N>
void SetFlaggedText(model::DataSet& set, char (&field)[N], std::uint32_t flag,
                    std::string_view text) {
  model::SetText(field, text);
  set.info->presenceFlags |= flag;
}

// The same input voltage in every band of the range.
void SetInputVoltage(model::DataSet& set, float volts);

// Sensitivity, impedance and, with phase data, the sensitivity phase of every
// band of the range, from the model.
void FillElectroAcoustic(model::DataSet& set, const SpeakerModel& model);

// The 30 one-third-octave values of the on-axis response from `firstIndex`
// up; the bands below it are left missing.
void FillAxialSpectrum(model::DataSet& set, const SpeakerModel& model, int firstIndex);

// The balloon of every band (and with phase data the phase balloon) as a
// measurement gives it: levels in dB rounded to 0.01 (relative to the axis, or
// absolute with the axis at the sensitivity plus `absoluteOffsetDb`), each arc
// kept relative to its point 0, the arcs the symmetry leaves out mirrored,
// the rear of a half sphere filled.
void FillBalloon(model::DataSet& set, const SpeakerModel& model, double absoluteOffsetDb = 0);

// ---- Cabinet shapes, in the cabinet frame (x on axis, y left, z up, m).

std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue);

// The outline of a rectangle on the plane x = `x` between (y1, z1) and (y2, z2).
void AddRectangleEdges(model::NodeList<model::Edge>& list, double x, double y1, double z1,
                       double y2, double z2, std::uint32_t colour);

// A circle on the plane x = `x` as `segments` edges.
void AddCircleEdges(model::NodeList<model::Edge>& list, double x, double y, double z, double radius,
                    int segments, std::uint32_t colour);

// A polygon approximating a disc on the plane x = `x`.
model::Face DiscFace(double x, double y, double z, double radius, int segments,
                     std::uint32_t colour);

// A rectangle on the plane x = `x` between (y1, z1) and (y2, z2).
model::Face FrontRectangle(double x, double y1, double z1, double y2, double z2,
                           std::uint32_t colour);

}  // namespace zef::samplegen
