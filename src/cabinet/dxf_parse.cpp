#include "cabinet/dxf_parse.h"

#include <cmath>
#include <limits>

#include "cabinet/dxf_colour.h"
#include "cabinet/dxf_messages.h"
#include "cabinet/dxf_numbers.h"

namespace zef::cabinet {
namespace {

// A real beyond the range of a 32-bit real becomes an infinity of its sign
// rather than an undefined conversion.
float ToFloat(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  if (value > kLargest) return std::numeric_limits<float>::infinity();
  if (value < -kLargest) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

}  // namespace

int CoordinateAxis(std::int32_t code, int points, int& point) {
  if (code < 10 || code >= 40 || code % 10 >= points) return -1;
  point = code % 10;
  return code / 10 - 1;
}

double& Component(Vec3& v, int axis) {
  return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

int ExtrusionAxis(std::int32_t code) {
  int unused = 0;
  return code >= 210 ? CoordinateAxis(code - 200, 1, unused) : -1;
}

bool DxfParse::Next(std::string_view failure) {
  return groups_.Next() || Fail(failure);
}

bool DxfParse::Real(double& out, std::string_view failure) {
  return ParseDxfReal(groups_.Value(), out) || Fail(failure);
}

bool DxfParse::Whole(std::int32_t& out, std::string_view failure) {
  return ParseDxfWhole(groups_.Value(), out) || Fail(failure);
}

std::int32_t DxfParse::Flags() const {
  std::int32_t flags = 0;
  return ParseDxfWhole(groups_.Value(), flags) ? flags : 0;
}

std::uint32_t DxfParse::Colour() const {
  return DxfColour(groups_.Value());
}

bool DxfParse::Fail(std::string_view message) {
  message_ = message;
  return false;
}

bool DxfParse::FailUnexpected() {
  unexpected_ = true;
  return Fail(message::kUnexpectedError);
}

void DxfParse::Progress(std::string_view name, std::uint64_t line) {
  if (!progress_) return;
  progress_->WriteString(name);
  progress_->WriteString(" - ");
  progress_->WriteNumber(static_cast<std::int64_t>(line));
  progress_->EndLine();
}

model::Point3 DxfParse::Transformed(const Vec3& p) const {
  return options_.transform.Apply({ToFloat(p.x), ToFloat(p.y), ToFloat(p.z)});
}

void DxfParse::AddEdge(std::uint32_t colour, const Vec3& first, const Vec3& second) {
  lists_.edges.Add(model::Edge{Transformed(first), Transformed(second), colour});
}

void DxfParse::AddFace(std::span<const Vec3> corners, std::uint32_t colour) {
  model::Face face;
  face.colour = colour;
  face.vertices.reserve(corners.size());
  for (const Vec3& corner : corners) face.vertices.push_back(Transformed(corner));
  lists_.faces.Add(std::move(face));
}

}  // namespace zef::cabinet
