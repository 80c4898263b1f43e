#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zef::model {

struct Point3 {
  float x = 0, y = 0, z = 0;
  bool operator==(const Point3&) const = default;
};

struct Edge {
  Point3 first;
  Point3 second;
  std::uint32_t colour = 0;  // 0x00BBGGRR
  bool operator==(const Edge&) const = default;
};

struct Face {
  std::vector<Point3> vertices;  // in the order they were added
  std::uint32_t colour = 0;
  bool operator==(const Face&) const = default;
};

// A list whose users see the newest element first, as the stored files and the
// drawing code expect; appending stays cheap.
template <typename T>
class NodeList {
 public:
  void Add(T node) { nodes_.push_back(std::move(node)); }
  std::size_t size() const { return nodes_.size(); }
  bool empty() const { return nodes_.empty(); }
  auto begin() const { return nodes_.rbegin(); }
  auto end() const { return nodes_.rend(); }
  const T& operator[](std::size_t i) const { return nodes_[nodes_.size() - 1 - i]; }
  // Elements in the order they were added (oldest first).
  const std::vector<T>& InAddedOrder() const { return nodes_; }
  void clear() { nodes_.clear(); }
  bool operator==(const NodeList&) const = default;

 private:
  std::vector<T> nodes_;
};

// Axis codes: which source axis, with which sign, a cabinet direction lies on.
enum AxisCode : std::uint32_t {
  kMinusX = 0,
  kPlusX = 1,
  kMinusY = 2,
  kPlusY = 3,
  kMinusZ = 4,
  kPlusZ = 5
};
inline constexpr const char* kAxisCodeNames[6] = {"<-X>", "<+X>", "<-Y>", "<+Y>", "<-Z>", "<+Z>"};
inline bool SameAxis(std::uint32_t a, std::uint32_t b) {
  return a / 2 == b / 2;
}

// DXF length units, by unit code, in metres.
inline constexpr float kUnitLength[6] = {0.001f, 0.01f, 0.1f, 1.0f, 0.3048f / 12.0f, 0.3048f};

// Maps cabinet points given in a file's frame into the cabinet frame
// (x on axis, y left, z up, metres).
class GeometryTransform {
 public:
  void Set(float scale, Point3 origin, std::uint32_t onAxisCode, std::uint32_t upCode);
  void Off() { on_ = false; }
  bool IsOn() const { return on_; }
  Point3 Apply(Point3 p) const;

 private:
  bool on_ = false;
  Point3 origin_;
  float scale_ = 1.0f;
  float rows_[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

enum class EmbeddedKind : std::uint32_t { None = 0, Text = 1, Pdf = 2, Dxf = 3 };

// A file carried inside a data set (information file, DXF drawing).
// The largest cabinet drawing a data file may name.
inline constexpr std::uint64_t kMaxDxfFileSize = 512000;

struct EmbeddedFile {
  EmbeddedKind kind = EmbeddedKind::None;
  std::vector<std::uint8_t> bytes;
  std::uint32_t Size() const { return static_cast<std::uint32_t>(bytes.size()); }
  bool operator==(const EmbeddedFile&) const = default;
};

// The cabinet lists and embedded files of one data set.
struct CabinetGeometry {
  NodeList<Edge> edges;
  NodeList<Edge> faceEdges;
  NodeList<Face> faces;
  NodeList<Edge> dxfEdges;
  NodeList<Face> dxfFaces;
  EmbeddedFile infoFile;
  EmbeddedFile dxfFile;
  std::string dxfPath;
  GeometryTransform transform;  // applied by AddEdge and AddVertex while on

  void AddEdge(NodeList<Edge>& list, std::uint32_t colour, Point3 second, Point3 first);
  static Face BeginFace() { return Face{}; }
  void AddVertex(Point3 p, Face& face) const { face.vertices.push_back(transform.Apply(p)); }
  static void AddFace(Face face, NodeList<Face>& list) { list.Add(std::move(face)); }

  // Compares content; the transform is working state and not compared.
  bool operator==(const CabinetGeometry& o) const {
    return edges == o.edges && faceEdges == o.faceEdges && faces == o.faces &&
           dxfEdges == o.dxfEdges && dxfFaces == o.dxfFaces && infoFile == o.infoFile &&
           dxfFile == o.dxfFile && dxfPath == o.dxfPath;
  }
};

}  // namespace zef::model
