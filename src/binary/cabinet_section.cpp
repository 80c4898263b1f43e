#include "binary/cabinet_section.h"

#include <cstdint>
#include <vector>

namespace zef::binary {
namespace {

struct EdgeImage {
  model::Point3 first;
  model::Point3 second;
  std::uint32_t colour;
};
static_assert(sizeof(model::Point3) == 12);
static_assert(sizeof(EdgeImage) == 28);

struct FaceHead {
  std::uint32_t colour;
  std::uint32_t vertexCount;
};
static_assert(sizeof(FaceHead) == 8);

// Reads `count` records in one go once the file is known to hold them all.
template <typename T>
bool ReadArray(Input& in, std::uint32_t count, std::vector<T>& out) {
  if (count > in.Remaining() / sizeof(T)) return false;
  out.resize(count);
  return in.ReadBytes(std::as_writable_bytes(std::span(out)));
}

bool ReadEdges(Input& in, model::CabinetGeometry& cabinet, model::NodeList<model::Edge>& list) {
  std::uint32_t count = 0;
  std::vector<EdgeImage> images;
  if (!in.ReadRecord(count) || !ReadArray(in, count, images)) return false;
  for (const EdgeImage& e : images) cabinet.AddEdge(list, e.colour, e.second, e.first);
  return true;
}

bool ReadFaces(Input& in, model::CabinetGeometry& cabinet) {
  std::uint32_t count = 0;
  if (!in.ReadRecord(count) || count > in.Remaining() / sizeof(FaceHead)) return false;
  std::vector<model::Point3> vertices;
  for (std::uint32_t i = 0; i < count; ++i) {
    FaceHead head{};
    if (!in.ReadRecord(head) || !ReadArray(in, head.vertexCount, vertices)) return false;
    // A face needs three corners; fewer are read past and dropped.
    if (head.vertexCount <= 2) continue;
    model::Face face = model::CabinetGeometry::BeginFace();
    for (const model::Point3& p : vertices) cabinet.AddVertex(p, face);
    face.colour = head.colour;
    model::CabinetGeometry::AddFace(std::move(face), cabinet.faces);
  }
  return true;
}

void WriteEdges(ByteBuilder& out, const model::NodeList<model::Edge>& list) {
  out.AppendU32(static_cast<std::uint32_t>(list.size()));
  for (const model::Edge& e : list.InAddedOrder()) {
    out.AppendRecord(EdgeImage{e.first, e.second, e.colour});
  }
}

}  // namespace

Fault ReadCabinetSection(Input& in, const model::InfoRecord& info,
                         model::CabinetGeometry& cabinet) {
  cabinet.transform.Off();
  if ((info.cabinetFlags & model::cabinet_flag::kEdges) != 0 &&
      !ReadEdges(in, cabinet, cabinet.edges)) {
    return Fault::CabinetEdges;
  }
  if ((info.cabinetFlags & model::cabinet_flag::kFaces) == 0) return Fault::None;
  if (!ReadFaces(in, cabinet)) return Fault::CabinetFaces;
  if (!ReadEdges(in, cabinet, cabinet.faceEdges)) return Fault::CabinetFaceEdges;
  return Fault::None;
}

void WriteCabinetSection(ByteBuilder& out, const model::InfoRecord& info,
                         const model::CabinetGeometry& cabinet) {
  if ((info.cabinetFlags & model::cabinet_flag::kEdges) != 0) WriteEdges(out, cabinet.edges);
  if ((info.cabinetFlags & model::cabinet_flag::kFaces) == 0) return;
  out.AppendU32(static_cast<std::uint32_t>(cabinet.faces.size()));
  for (const model::Face& f : cabinet.faces.InAddedOrder()) {
    out.AppendRecord(FaceHead{f.colour, static_cast<std::uint32_t>(f.vertices.size())});
    out.AppendArray(std::span<const model::Point3>(f.vertices));
  }
  WriteEdges(out, cabinet.faceEdges);
}

}  // namespace zef::binary
