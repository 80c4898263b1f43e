#include "binary/embedded_file_section.h"

#include <cstdint>

namespace zef::binary {
namespace {

struct EntryHead {
  std::uint32_t kind;
  std::uint32_t size;
};
static_assert(sizeof(EntryHead) == 8);

void WriteEntry(ByteBuilder& out, const model::EmbeddedFile& file) {
  if (file.kind == model::EmbeddedKind::None) return;
  out.AppendRecord(EntryHead{static_cast<std::uint32_t>(file.kind), file.Size()});
  out.AppendArray(std::span<const std::uint8_t>(file.bytes));
}

}  // namespace

Fault ReadEmbeddedFiles(Input& in, model::CabinetGeometry& cabinet) {
  for (;;) {
    EntryHead head{};
    if (!in.ReadRecord(head)) return Fault::MissingEmbedInfo;
    if (head.kind == 0 || head.kind > 3) return Fault::None;
    // A payload the file cannot hold is refused before anything is allocated.
    if (head.size > in.Remaining()) return Fault::MissingEmbedInfo;
    model::EmbeddedFile& slot = head.kind == 3 ? cabinet.dxfFile : cabinet.infoFile;
    if (slot.kind != model::EmbeddedKind::None) {
      in.Skip(head.size);
      continue;
    }
    slot.kind = static_cast<model::EmbeddedKind>(head.kind);
    slot.bytes.resize(head.size);
    if (!in.ReadBytes(std::as_writable_bytes(std::span(slot.bytes)))) {
      return Fault::MissingEmbedInfo;
    }
  }
}

void WriteEmbeddedFiles(ByteBuilder& out, const model::CabinetGeometry& cabinet) {
  WriteEntry(out, cabinet.infoFile);
  WriteEntry(out, cabinet.dxfFile);
  out.AppendRecord(EntryHead{0, 0});
}

}  // namespace zef::binary
