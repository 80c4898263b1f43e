#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "graphs/canvas.h"
#include "graphs/clip_lines.h"
#include "graphs/font_metrics.h"
#include "model/message_sink.h"

namespace zef::graphs {

// What a graph Part fills in and hands to DrawGraph. Labels keep at most 7
// characters, the title 79 (the sizes of the stored fields).
struct GraphDescriptor {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool octaveAxis = false;
  std::uint8_t firstOctave = 0;
  std::uint8_t lastOctave = 0;
  bool thirdOctaveAxis = false;
  std::uint8_t firstThird = 0;
  std::uint8_t lastThird = 0;
  float xMin = 0;  // set by DrawGraph for band axes
  float xMax = 0;
  float xStep = 0;
  float yMin = 0;
  float yMax = 0;
  float yStep = 0;
  bool xGrid = false;
  bool yGrid = false;
  std::string xLabel;
  std::string yLabel;
  std::string title;
  bool openFrame = false;

  bool operator==(const GraphDescriptor&) const = default;
};

struct WorldPoint {
  double x = 0;
  double y = 0;
  bool operator==(const WorldPoint&) const = default;
};

// Layout and world-to-device mapping of a drawn frame.
struct GraphFrame {
  int x0 = 0;  // bottom-left corner of the plot
  int y0 = 0;
  int plotWidth = 0;   // W
  int plotHeight = 0;  // Hp
  int margin = 0;      // M, left of the plot
  int lineHeight = 0;  // H, below and above the plot
  double xMin = 0;
  double yMin = 0;
  double xScale = 0;  // pixels per world unit
  double yScale = 0;

  PixelPoint ToDevice(double x, double y) const;
  // The plot's pixels, its frame lines included.
  PixelBox PlotBox() const { return {x0, y0 - plotHeight, x0 + plotWidth, y0}; }
  // The world point of a pixel inside the plot (edges included).
  std::optional<WorldPoint> ToWorld(int x, int y) const;
  bool operator==(const GraphFrame&) const = default;
};

struct FramedGraph {
  GraphFrame frame;
  GraphDescriptor descriptor;
  bool operator==(const FramedGraph&) const = default;
};

// The commands of a layer; positions are device pixels, y downwards.
struct MoveCommand {
  int x = 0;
  int y = 0;
  bool operator==(const MoveCommand&) const = default;
};
struct LineToCommand {
  int x = 0;
  int y = 0;
  Pen pen;
  bool operator==(const LineToCommand&) const = default;
};
struct RectangleCommand {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  Pen pen;
  bool fill = false;
  bool operator==(const RectangleCommand&) const = default;
};
struct TextCommand {
  int x = 0;  // top-left corner
  int y = 0;
  Colour colour = kBlack;
  int font = 0;
  std::string text;  // at most kMaxTextLength bytes
  bool transparent = true;
  bool operator==(const TextCommand&) const = default;
};
struct CircleCommand {
  int x = 0;
  int y = 0;
  int radius = 0;
  Pen pen;
  bool fill = false;
  bool operator==(const CircleCommand&) const = default;
};
// Where scaled units start and which way they grow (+1 or -1); replay draws
// nothing for it.
struct OriginCommand {
  int x = 0;
  int y = 0;
  int xDirection = 1;
  int yDirection = 1;
  bool operator==(const OriginCommand&) const = default;
};
struct PointCommand {
  int x = 0;
  int y = 0;
  Colour colour = kBlack;
  int size = 1;
  bool operator==(const PointCommand&) const = default;
};
// closed: a filled polygon without outline; open: a line through the points.
struct PolylineCommand {
  Pen pen;
  std::vector<PixelPoint> points;
  bool closed = false;
  bool operator==(const PolylineCommand&) const = default;
};
// Kept so that the mouse read-out knows the frame after a replay; replay
// draws nothing for it.
struct FrameCommand {
  std::shared_ptr<const FramedGraph> graph;
  bool operator==(const FrameCommand& other) const { return *graph == *other.graph; }
};
// A block of single pixels, row by row (kNoColour leaves a pixel as it is):
// many Point commands in one.
struct PixelsCommand {
  int left = 0;
  int top = 0;
  int width = 0;
  std::vector<Colour> colours;
  bool operator==(const PixelsCommand&) const = default;
};

using Command =
    std::variant<MoveCommand, LineToCommand, RectangleCommand, TextCommand, CircleCommand,
                 OriginCommand, PointCommand, PolylineCommand, FrameCommand, PixelsCommand>;

// One line per command, for tests and traces, e.g. "line 30 20 000000 w1 d0".
std::string CommandText(const Command& command);

// The state PushState saves and PopState restores.
struct PenState {
  Pen pen;
  int font = 0;
  bool operator==(const PenState&) const = default;
};

// A retained-mode 2D drawing area: operations append commands to the
// current layer; Replay paints the visible layers.
class GraphWindow {
 public:
  static constexpr int kLayerCount = 32;
  static constexpr int kNoLayer = -1;
  static constexpr std::size_t kMaxTextLength = 511;
  static constexpr Colour kGridColour = kLightGrey;
  static constexpr Colour kFrameFillColour = kWhite;

  // metrics and errors must outlive the window. "Curve not started" goes
  // to errors.
  GraphWindow(int width, int height, const FontMetrics& metrics, model::MessageSink& errors);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changes the size; the layers are kept.
  void SetSize(int width, int height);

  // Layers. NewLayer takes the first free layer, clears it, makes it current
  // and visible and stores an origin at the centre (x right, y down); it
  // gives kNoLayer when all are in use, and drawing without a current layer
  // does nothing. ClearLayer empties a layer, marks it in use and makes it
  // current; ReleaseLayer empties it and frees it.
  int NewLayer();
  void ClearLayer(int layer);
  void ReleaseLayer(int layer);
  void SetVisibleLayers(std::uint32_t layers);
  std::uint32_t VisibleLayers() const { return visible_; }
  std::uint32_t LayersInUse() const { return inUse_; }
  int CurrentLayer() const { return current_; }
  // The commands of a layer (empty for a number out of range).
  const std::vector<Command>& Layer(int layer) const;

  // Pen and state.
  void SetWidth(int pixels) { state_.pen.width = pixels; }
  void SetColour(Colour colour) { state_.pen.colour = colour; }
  void SetDash(int dash) { state_.pen.dash = dash; }
  void SetFont(int font) { state_.font = font; }
  void SetTextTransparent(bool transparent) { transparentText_ = transparent; }
  const PenState& State() const { return state_; }
  void PushState();
  void PopState();  // nothing when nothing was pushed
  // Labels of frames written with "," for ".".
  void SetDecimalComma(bool on) { decimalComma_ = on; }

  // While a clip box is set, lines, open polylines and curves keep only
  // their parts inside it and circles and points only those centred in it;
  // texts are never clipped. NewLayer, ClearLayer and DrawGraph end it.
  void SetClip(std::optional<PixelBox> box) { clip_ = box; }
  const std::optional<PixelBox>& Clip() const { return clip_; }

  // Primitives in pixels.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Rectangle(int x1, int y1, int x2, int y2, bool fill);
  void Circle(int x, int y, int radius, bool fill);
  void Point(int x, int y, int size = 1);
  void Text(int font, std::string_view text, int x, int y);
  void Polyline(std::vector<PixelPoint> points, bool closed);
  // colours.size() must be a multiple of width, else nothing is stored.
  void Pixels(int left, int top, int width, std::vector<Colour> colours);
  TextSize TextExtent(int font, std::string_view text) const;

  // Scaled units: v becomes v * scale * resolution pixels from the current
  // origin, rounded half away from zero.
  void SetScale(double pixelsPerUnit) { scale_ = pixelsPerUnit; }
  double Scale() const { return scale_; }
  void SetResolution(double factor) { resolution_ = factor; }
  double Resolution() const { return resolution_; }
  // Stores an origin command and makes it the current origin.
  void SetOrigin(int x, int y, int xDirection, int yDirection);
  const OriginCommand& Origin() const { return origin_; }
  int ScaledLength(double v) const;
  PixelPoint ScaledToDevice(double x, double y) const;
  void ScaledMoveTo(double x, double y);
  void ScaledLineTo(double x, double y);
  void ScaledRectangle(double x1, double y1, double x2, double y2, bool fill);
  void ScaledCircle(double x, double y, double radius, bool fill);
  void ScaledText(int font, std::string_view text, double x, double y);

  // World units of the last frame.
  PixelPoint WorldToDevice(double x, double y) const { return frame_.ToDevice(x, y); }
  std::optional<WorldPoint> GraphPointAt(int x, int y) const { return frame_.ToWorld(x, y); }
  const GraphFrame& Frame() const { return frame_; }
  const GraphDescriptor& Descriptor() const { return descriptor_; }

  // Curve builder. StartCurve(false) opens a new polyline with the current
  // pen; StartCurve(true) goes on with the polyline stored last in the
  // current layer, if that is the layer's last command. EndCurve stores the
  // polyline when it has two points or more.
  void StartCurve(bool continueCurve);
  void AddPoint(double x, double y);        // world units
  void AddScaledPoint(double x, double y);  // scaled units
  void EndCurve();

  // The framed x/y graph: clears the layer (its visibility kept), draws the
  // frame, tics, grid and labels into it in the current font and makes its
  // mapping current. Leaves the pen black, width 1, solid.
  // DrawGraphTitled sizes the left margin by the text instead of the labels.
  void DrawGraph(const GraphDescriptor& descriptor, int layer);
  void DrawGraphTitled(std::string_view text, const GraphDescriptor& descriptor, int layer);

  // Paints the visible layers in layer order, each in the order drawn.
  void Replay(Canvas& canvas) const;

 private:
  void Append(Command command);
  void AppendPolyline(std::vector<PixelPoint> points, Pen pen);
  void AddCurvePoint(PixelPoint point);
  void DrawFrame(const GraphDescriptor& descriptor, int layer,
                 std::optional<std::string_view> marginText);
  int FrameMargin(std::optional<std::string_view> marginText) const;
  void DrawFrameBox();
  void DrawTicsAndGrid();
  void DrawXLabels();
  void DrawYLabels();
  void DrawAxisTexts();
  void DrawCentredLabel(std::string_view label, int x, int y);
  // At most maxBytes of a UTF-8 text, never cutting a character.
  static std::string Clipped(std::string_view text, std::size_t maxBytes);

  int width_;
  int height_;
  const FontMetrics& metrics_;
  model::MessageSink& errors_;
  std::array<std::vector<Command>, kLayerCount> layers_;
  std::uint32_t inUse_ = 0;
  std::uint32_t visible_ = 0;
  int current_ = kNoLayer;
  PenState state_;
  std::vector<PenState> stack_;
  bool transparentText_ = true;
  bool decimalComma_ = false;
  double scale_ = 1.0;
  double resolution_ = 1.0;
  OriginCommand origin_;
  GraphFrame frame_;
  GraphDescriptor descriptor_;
  std::optional<PixelBox> clip_;
  PixelPoint position_;  // where the next LineTo starts
  bool curveStarted_ = false;
  PolylineCommand curve_;
};

}  // namespace zef::graphs
