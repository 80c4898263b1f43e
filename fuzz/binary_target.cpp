#include "binary_target.h"

#include <string>

#include "binary/binary_reader.h"
#include "binary/byte_stream.h"
#include "model/message_sink.h"
#include "record_splice.h"

namespace zef::fuzz {
namespace {

constexpr std::size_t kEdgeBytes = 28;
constexpr std::size_t kFaceHeadBytes = 8;
constexpr std::size_t kVertexBytes = 12;

// What the cabinet lists and embedded files hold can never be more than the
// file gave: each element took at least its record's bytes.
std::size_t BytesBehind(const model::CabinetGeometry& c) {
  std::size_t total = (c.edges.size() + c.faceEdges.size()) * kEdgeBytes;
  for (const model::Face& face : c.faces) {
    total += kFaceHeadBytes + face.vertices.size() * kVertexBytes;
  }
  return total + c.infoFile.bytes.size() + c.dxfFile.bytes.size();
}

void ReadOnce(model::FormatKind kind, std::span<const std::byte> image) {
  binary::MemoryInput in(image);
  model::LineSink messages;
  const binary::BinaryReadResult read = kind == model::FormatKind::Zef1
                                            ? binary::ReadZf1(in, messages)
                                            : binary::ReadZf2(in, messages);
  if (!read.set) {
    Require(messages.Lines().size() == 1 && messages.Lines()[0].starts_with("File error:"),
            "a failed read writes one \"File error:\" line");
    return;
  }
  Require(messages.Lines().empty(), "a binary that reads writes no message");
  const model::DataSet& set = *read.set;
  CheckSetShape(set);
  Require(set.kind == kind, "the set is of the reader's kind");
  Require(set.version == read.header.version && set.draft == 0,
          "version and draft from the header");
  Require(kind == model::FormatKind::Zef2 || set.version == 1, "a ZF1 binary is of version 1");
  Require(!set.phase || (set.version == 2 && set.HasPhaseData()),
          "a phase block only where the header and info record announce it");
  Require(BytesBehind(set.cabinet) <= image.size(), "no list holds more than the file gave");
  Require(set.cabinet.dxfEdges.empty() && set.cabinet.dxfFaces.empty(),
          "a binary read leaves the drawing's lists empty");
  // Whatever a binary held, the writer gives it back in a form the reader takes.
  CheckBinaryRoundTrip(set);
}

}  // namespace

void FuzzBinary(model::FormatKind kind, Bytes input) {
  static std::vector<std::byte> image;
  if (SpliceRecords(std::as_bytes(input), kind, image)) ReadOnce(kind, image);
}

}  // namespace zef::fuzz
