#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "cabinet/arbitrary_axis.h"
#include "cabinet/dxf_groups.h"
#include "cabinet/dxf_reader.h"

namespace zef::cabinet {

// Group codes 1k, 2k and 3k give x, y and z of point k. For such a code with
// k below `points` this sets `point` to k and gives the axis (0 x, 1 y, 2 z);
// -1 for any other code.
int CoordinateAxis(std::int32_t code, int points, int& point);
double& Component(Vec3& v, int axis);
// Codes 210, 220 and 230 give the extrusion direction: its axis, or -1.
int ExtrusionAxis(std::int32_t code);

// The state one parse shares between the entity readers: the group reader,
// the lists being filled and the message of a failure. Every reading step
// returns false once the parse has failed, with the message set.
class DxfParse {
 public:
  DxfParse(GroupReader& groups, const DxfOptions& options, model::MessageSink* progress,
           DxfLists& lists)
      : groups_(groups), options_(options), progress_(progress), lists_(lists) {}

  GroupReader& Groups() { return groups_; }
  std::int32_t Code() const { return groups_.Code(); }
  bool ValueIs(std::string_view value) const { return groups_.Value() == value; }

  // The next group; `failure` is the message when it cannot be read.
  bool Next(std::string_view failure);

  // Reads the groups of the current entity up to the next code-0 group, which
  // is left current; `handle(code)` takes each other group.
  template <typename Handler>
  bool ReadEntityGroups(std::string_view failure, Handler&& handle) {
    while (true) {
      if (!Next(failure)) return false;
      if (Code() == 0) return true;
      if (!handle(Code())) return false;
    }
  }

  // The current value as a real or a whole number, `failure` when it is not one.
  bool Real(double& out, std::string_view failure);
  bool Whole(std::int32_t& out, std::string_view failure);
  // Flags that do not read as a whole number count as none.
  std::int32_t Flags() const;
  std::uint32_t Colour() const;

  bool Fail(std::string_view message);
  // A fault of the drawing's geometry rather than its text.
  bool FailUnexpected();
  bool Unexpected() const { return unexpected_; }
  const std::string& Message() const { return message_; }

  // Progress text of an entity starting on `line`.
  void Progress(std::string_view name, std::uint64_t line);

  void AddEdge(std::uint32_t colour, const Vec3& first, const Vec3& second);
  void AddFace(std::span<const Vec3> corners, std::uint32_t colour);

 private:
  model::Point3 Transformed(const Vec3& p) const;

  GroupReader& groups_;
  const DxfOptions& options_;
  model::MessageSink* progress_;
  DxfLists& lists_;
  std::string message_;
  bool unexpected_ = false;
};

}  // namespace zef::cabinet
