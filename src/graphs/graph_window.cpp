#include "graphs/graph_window.h"

#include <cstdio>
#include <utility>

namespace zef::graphs {
namespace {

constexpr std::uint32_t Bit(int layer) {
  return std::uint32_t{1} << layer;
}
constexpr bool ValidLayer(int layer) {
  return layer >= 0 && layer < GraphWindow::kLayerCount;
}

const std::vector<Command>& EmptyLayer() {
  static const std::vector<Command> empty;
  return empty;
}

}  // namespace

GraphWindow::GraphWindow(int width, int height, const FontMetrics& metrics,
                         model::MessageSink& errors)
    : width_(width), height_(height), metrics_(metrics), errors_(errors) {}

void GraphWindow::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
}

int GraphWindow::NewLayer() {
  for (int layer = 0; layer < kLayerCount; ++layer) {
    if ((inUse_ & Bit(layer)) != 0) continue;
    ClearLayer(layer);
    visible_ |= Bit(layer);
    SetOrigin(width_ / 2, height_ / 2, 1, 1);
    return layer;
  }
  current_ = kNoLayer;
  return kNoLayer;
}

void GraphWindow::ClearLayer(int layer) {
  if (!ValidLayer(layer)) return;
  layers_[static_cast<std::size_t>(layer)].clear();
  inUse_ |= Bit(layer);
  current_ = layer;
  clip_.reset();
}

void GraphWindow::ReleaseLayer(int layer) {
  if (!ValidLayer(layer)) return;
  layers_[static_cast<std::size_t>(layer)].clear();
  inUse_ &= ~Bit(layer);
  visible_ &= ~Bit(layer);
  if (current_ == layer) current_ = kNoLayer;
}

void GraphWindow::SetVisibleLayers(std::uint32_t layers) {
  visible_ = layers;
}

const std::vector<Command>& GraphWindow::Layer(int layer) const {
  return ValidLayer(layer) ? layers_[static_cast<std::size_t>(layer)] : EmptyLayer();
}

void GraphWindow::PushState() {
  stack_.push_back(state_);
}

void GraphWindow::PopState() {
  if (stack_.empty()) return;
  state_ = stack_.back();
  stack_.pop_back();
}

void GraphWindow::Append(Command command) {
  if (!ValidLayer(current_)) return;
  layers_[static_cast<std::size_t>(current_)].push_back(std::move(command));
}

void GraphWindow::MoveTo(int x, int y) {
  position_ = {x, y};
  Append(MoveCommand{x, y});
}

void GraphWindow::LineTo(int x, int y) {
  const PixelPoint from = position_;
  position_ = {x, y};
  if (!clip_) {
    Append(LineToCommand{x, y, state_.pen});
    return;
  }
  const std::optional<PixelSegment> kept = ClipSegment({from, {x, y}}, *clip_);
  if (kept) {
    if (kept->from != from) Append(MoveCommand{kept->from.x, kept->from.y});
    Append(LineToCommand{kept->to.x, kept->to.y, state_.pen});
  }
  // The next line starts where this one was meant to end.
  if (!kept || kept->to != position_) Append(MoveCommand{x, y});
}

void GraphWindow::Rectangle(int x1, int y1, int x2, int y2, bool fill) {
  Append(RectangleCommand{x1, y1, x2, y2, state_.pen, fill});
}

void GraphWindow::Circle(int x, int y, int radius, bool fill) {
  if (clip_ && !clip_->Contains({x, y})) return;
  Append(CircleCommand{x, y, radius, state_.pen, fill});
}

void GraphWindow::Point(int x, int y, int size) {
  if (clip_ && !clip_->Contains({x, y})) return;
  Append(PointCommand{x, y, state_.pen.colour, size});
}

void GraphWindow::Text(int font, std::string_view text, int x, int y) {
  if (text.empty()) return;
  Append(
      TextCommand{x, y, state_.pen.colour, font, Clipped(text, kMaxTextLength), transparentText_});
}

void GraphWindow::Polyline(std::vector<PixelPoint> points, bool closed) {
  if (closed) {
    Append(PolylineCommand{state_.pen, std::move(points), true});
    return;
  }
  AppendPolyline(std::move(points), state_.pen);
}

void GraphWindow::AppendPolyline(std::vector<PixelPoint> points, Pen pen) {
  if (!clip_) {
    Append(PolylineCommand{pen, std::move(points), false});
    return;
  }
  for (std::vector<PixelPoint>& part : ClipPolyline(points, *clip_)) {
    Append(PolylineCommand{pen, std::move(part), false});
  }
}

void GraphWindow::Pixels(int left, int top, int width, std::vector<Colour> colours) {
  if (width <= 0 || colours.size() % static_cast<std::size_t>(width) != 0) return;
  Append(PixelsCommand{left, top, width, std::move(colours)});
}

TextSize GraphWindow::TextExtent(int font, std::string_view text) const {
  return metrics_.Measure(font, text);
}

std::string GraphWindow::Clipped(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  std::size_t end = maxBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end));
}

void GraphWindow::SetOrigin(int x, int y, int xDirection, int yDirection) {
  origin_ = OriginCommand{x, y, xDirection < 0 ? -1 : 1, yDirection < 0 ? -1 : 1};
  Append(origin_);
}

int GraphWindow::ScaledLength(double v) const {
  return RoundToPixel(v * scale_ * resolution_);
}

PixelPoint GraphWindow::ScaledToDevice(double x, double y) const {
  return {origin_.x + origin_.xDirection * ScaledLength(x),
          origin_.y + origin_.yDirection * ScaledLength(y)};
}

void GraphWindow::ScaledMoveTo(double x, double y) {
  const PixelPoint p = ScaledToDevice(x, y);
  MoveTo(p.x, p.y);
}

void GraphWindow::ScaledLineTo(double x, double y) {
  const PixelPoint p = ScaledToDevice(x, y);
  LineTo(p.x, p.y);
}

void GraphWindow::ScaledRectangle(double x1, double y1, double x2, double y2, bool fill) {
  const PixelPoint a = ScaledToDevice(x1, y1);
  const PixelPoint b = ScaledToDevice(x2, y2);
  Rectangle(a.x, a.y, b.x, b.y, fill);
}

void GraphWindow::ScaledCircle(double x, double y, double radius, bool fill) {
  const PixelPoint centre = ScaledToDevice(x, y);
  Circle(centre.x, centre.y, ScaledLength(radius), fill);
}

void GraphWindow::ScaledText(int font, std::string_view text, double x, double y) {
  const PixelPoint p = ScaledToDevice(x, y);
  Text(font, text, p.x, p.y);
}

void GraphWindow::StartCurve(bool continueCurve) {
  if (continueCurve && curveStarted_) return;
  curveStarted_ = true;
  curve_ = PolylineCommand{state_.pen, {}, false};
  if (!continueCurve || !ValidLayer(current_)) return;
  auto& layer = layers_[static_cast<std::size_t>(current_)];
  if (layer.empty()) return;
  auto* last = std::get_if<PolylineCommand>(&layer.back());
  if (last == nullptr || last->closed) return;
  curve_ = std::move(*last);
  layer.pop_back();
}

void GraphWindow::AddCurvePoint(PixelPoint point) {
  if (!curveStarted_) {
    errors_.WriteLine("Curve not started");
    return;
  }
  curve_.points.push_back(point);
}

void GraphWindow::AddPoint(double x, double y) {
  AddCurvePoint(WorldToDevice(x, y));
}

void GraphWindow::AddScaledPoint(double x, double y) {
  AddCurvePoint(ScaledToDevice(x, y));
}

void GraphWindow::EndCurve() {
  if (!curveStarted_) return;
  curveStarted_ = false;
  if (curve_.points.size() >= 2) AppendPolyline(std::move(curve_.points), curve_.pen);
  curve_ = PolylineCommand{};
}

namespace {

// Walks one layer, keeping the pen position and the canvas pen.
class Replayer {
 public:
  explicit Replayer(Canvas& canvas) : canvas_(canvas) {}

  void StartLayer() { position_ = {}; }

  void operator()(const MoveCommand& c) { position_ = {c.x, c.y}; }
  void operator()(const LineToCommand& c) {
    Use(c.pen);
    canvas_.Line(position_, {c.x, c.y});
    position_ = {c.x, c.y};
  }
  void operator()(const RectangleCommand& c) {
    Use(c.pen);
    canvas_.Rectangle({c.x1, c.y1}, {c.x2, c.y2}, c.fill);
  }
  void operator()(const TextCommand& c) {
    canvas_.Text({c.x, c.y}, c.text, c.font, c.colour, c.transparent);
  }
  void operator()(const CircleCommand& c) {
    Use(c.pen);
    canvas_.Ellipse({c.x, c.y}, c.radius, c.radius, c.fill);
  }
  void operator()(const OriginCommand&) {}
  void operator()(const PointCommand& c) { canvas_.Point({c.x, c.y}, c.colour, c.size); }
  void operator()(const PolylineCommand& c) {
    Use(c.pen);
    if (c.closed) {
      canvas_.FillPolygon(c.points);
    } else {
      canvas_.Polyline(c.points);
    }
  }
  void operator()(const FrameCommand&) {}
  void operator()(const PixelsCommand& c) { canvas_.Pixels({c.left, c.top}, c.width, c.colours); }

 private:
  void Use(const Pen& pen) {
    if (pen_ && *pen_ == pen) return;
    pen_ = pen;
    canvas_.SetPen(pen);
  }

  Canvas& canvas_;
  PixelPoint position_;
  std::optional<Pen> pen_;
};

std::string PenText(const Pen& pen) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%06X w%d d%d", static_cast<unsigned>(pen.colour), pen.width,
                pen.dash);
  return buffer;
}

std::string ColourText(Colour colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(colour));
  return buffer;
}

std::string Numbers(std::initializer_list<int> values) {
  std::string text;
  for (const int v : values) text += " " + std::to_string(v);
  return text;
}

struct Describer {
  std::string operator()(const MoveCommand& c) const { return "move" + Numbers({c.x, c.y}); }
  std::string operator()(const LineToCommand& c) const {
    return "line" + Numbers({c.x, c.y}) + " " + PenText(c.pen);
  }
  std::string operator()(const RectangleCommand& c) const {
    return "rect" + Numbers({c.x1, c.y1, c.x2, c.y2}) + " " + PenText(c.pen) +
           (c.fill ? " fill" : " outline");
  }
  std::string operator()(const TextCommand& c) const {
    return "text" + Numbers({c.x, c.y}) + " " + ColourText(c.colour) + " f" +
           std::to_string(c.font) + " '" + c.text + "'" + (c.transparent ? "" : " opaque");
  }
  std::string operator()(const CircleCommand& c) const {
    return "circle" + Numbers({c.x, c.y, c.radius}) + " " + PenText(c.pen) +
           (c.fill ? " fill" : " outline");
  }
  std::string operator()(const OriginCommand& c) const {
    return "origin" + Numbers({c.x, c.y, c.xDirection, c.yDirection});
  }
  std::string operator()(const PointCommand& c) const {
    return "point" + Numbers({c.x, c.y}) + " " + ColourText(c.colour) + " s" +
           std::to_string(c.size);
  }
  std::string operator()(const PolylineCommand& c) const {
    std::string text = "polyline " + PenText(c.pen) + (c.closed ? " closed" : " open");
    for (const PixelPoint& p : c.points) {
      text += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    }
    return text;
  }
  std::string operator()(const FrameCommand& c) const {
    const GraphFrame& f = c.graph->frame;
    return "frame" + Numbers({f.x0, f.y0, f.plotWidth, f.plotHeight});
  }
  std::string operator()(const PixelsCommand& c) const {
    const int rows = c.width > 0 ? static_cast<int>(c.colours.size()) / c.width : 0;
    return "pixels" + Numbers({c.left, c.top, c.width, rows});
  }
};

}  // namespace

void GraphWindow::Replay(Canvas& canvas) const {
  canvas.Begin(width_, height_);
  Replayer replayer(canvas);
  for (int layer = 0; layer < kLayerCount; ++layer) {
    if ((visible_ & Bit(layer)) == 0) continue;
    replayer.StartLayer();
    for (const Command& command : layers_[static_cast<std::size_t>(layer)]) {
      std::visit(replayer, command);
    }
  }
  canvas.End();
}

std::string CommandText(const Command& command) {
  return std::visit(Describer{}, command);
}

}  // namespace zef::graphs
