#pragma once

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "graphs/canvas.h"
#include "graphs/graph_window.h"
#include "graphs/option_set.h"
#include "model/data_set.h"

// What the graph tests share: sets and options to draw, commands as text, a
// recording canvas and a framed sensitivity graph.

namespace zef::graphs {

// A set whose balloon is 0 dB everywhere over the bands first..last, full
// sphere unless told otherwise.
inline model::DataSet FlatBalloonSet(model::FormatKind kind, int first, int last,
                                     model::Radiation radiation = model::Radiation::FullSphere) {
  model::DataSet set(kind);
  set.data.MinBand() = static_cast<std::uint32_t>(first);
  set.data.MaxBand() = static_cast<std::uint32_t>(last);
  set.info->radiation = radiation;
  set.info->type = model::SpeakerType::Passive;
  return set;
}

// Every point of an arc but the on-axis one at the level.
inline void SetArcLevel(model::DataSet& set, int band, int arc, float level) {
  const auto points = set.data.Arc(band, arc);
  std::fill(points.begin() + 1, points.end(), level);
}

// A set with only the given switches on.
inline OptionSet OptionsWith(std::initializer_list<Option> on) {
  OptionSet options(0);
  for (const Option option : on) options.Set(option, true);
  return options;
}

// The commands of a layer as text lines, for exact comparisons.
inline std::vector<std::string> CommandLines(const GraphWindow& window, int layer) {
  std::vector<std::string> lines;
  for (const Command& command : window.Layer(layer)) lines.push_back(CommandText(command));
  return lines;
}

// The lines of the commands of one kind ("text", "circle", ...).
inline std::vector<std::string> LinesOfKind(const GraphWindow& window, int layer,
                                            const std::string& kind) {
  std::vector<std::string> lines;
  for (const std::string& line : CommandLines(window, layer)) {
    if (line.rfind(kind + " ", 0) == 0) lines.push_back(line);
  }
  return lines;
}

// A sensitivity graph over the octave bands 63 Hz to 16 kHz, 0 to 100 dB with
// grids, framed from (5, 5) to (right, bottom).
inline GraphDescriptor SensitivityGraphIn(int right, int bottom) {
  GraphDescriptor d;
  d.left = d.top = 5;
  d.right = right;
  d.bottom = bottom;
  d.octaveAxis = true;
  d.firstOctave = 1;
  d.lastOctave = 9;
  d.yMax = 100;
  d.yStep = 10;
  d.xGrid = d.yGrid = true;
  d.xLabel = "Hz";
  d.yLabel = "dB";
  d.title = "Sensitivity";
  return d;
}

inline std::ostream& operator<<(std::ostream& out, PixelPoint p) {
  return out << p.x << "," << p.y;
}

// Writes down every canvas call, to see what a replay hands on.
class RecordingCanvas : public Canvas {
 public:
  void Begin(int width, int height) override { Add("begin ", width, "x", height); }
  void End() override { Add("end"); }
  void SetPen(const Pen& p) override { Add("pen ", p.colour, " w", p.width, " d", p.dash); }
  void Line(PixelPoint from, PixelPoint to) override { Add("line ", from, " ", to); }
  void Polyline(std::span<const PixelPoint> points) override { Add("polyline ", points.size()); }
  void FillPolygon(std::span<const PixelPoint>) override { Add("polygon"); }
  void Rectangle(PixelPoint, PixelPoint, bool) override { Add("rect"); }
  void Ellipse(PixelPoint centre, int rx, int ry, bool filled) override {
    Add("ellipse ", centre, " ", rx, " ", ry, filled ? " fill" : "");
  }
  void Point(PixelPoint at, Colour colour, int size) override {
    Add("point ", at, " ", colour, " s", size);
  }
  void Text(PixelPoint at, std::string_view text, int font, Colour colour, bool) override {
    Add("text ", at, " '", text, "' f", font, " ", colour);
  }
  void ClipTo(PixelPoint topLeft, PixelPoint bottomRight) override {
    Add("clip ", topLeft, " ", bottomRight);
  }
  template <typename... Parts>
  void Add(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    calls.push_back(out.str());
  }

  std::vector<std::string> calls;
};

}  // namespace zef::graphs
