#include "binary/binary_writer.h"

#include <algorithm>
#include <cstring>

#include "binary/byte_stream.h"
#include "binary/cabinet_section.h"
#include "binary/checksums.h"
#include "binary/embedded_file_section.h"
#include "model/atomic_file.h"
#include "binary/header.h"
#include "binary/version2_extension.h"
#include "model/fixed_text.h"

namespace zef::binary {
namespace {

model::InfoRecord InfoToWrite(const model::DataSet& set, const WriteOptions& options) {
  model::InfoRecord info;
  std::memcpy(&info, set.info.get(), sizeof info);
  if (options.author) model::SetText(info.author, *options.author);
  if (options.creatorCategory) info.creatorCategory = *options.creatorCategory;
  if (options.writerText) model::SetText(info.writerText, *options.writerText);
  return info;
}

BinaryHeader MakeHeader(const model::DataSet& set, const model::InfoRecord& info,
                        const WriteOptions& options) {
  BinaryHeader header{};
  header.magic = set.kind == model::FormatKind::Zef1 ? kZef1Magic : kZef2Magic;
  header.version = HeaderVersionFor(set);
  header.writerMark = options.writerMark;
  // The version text fills its 8 bytes without a zero when it is that long.
  std::memcpy(header.writerVersion, options.writerVersion.data(),
              std::min(options.writerVersion.size(), sizeof header.writerVersion));
  header.dataChecksum = FileDataChecksum(header.version, info, set.data);
  header.textChecksum = TextChecksum(info);
  return header;
}

}  // namespace

std::uint32_t HeaderVersionFor(const model::DataSet& set) {
  return set.kind == model::FormatKind::Zef2 && set.version == 2 ? 2 : 1;
}

std::vector<std::byte> BuildBinaryImage(const model::DataSet& set, const WriteOptions& options) {
  const model::InfoRecord info = InfoToWrite(set, options);
  const BinaryHeader header = MakeHeader(set, info, options);
  ByteBuilder out;
  out.Reserve(sizeof header + sizeof info + set.data.Bytes().size() + sizeof set.systemPart +
              (set.phase ? sizeof(model::PhaseBlock) : 0));
  out.AppendRecord(header);
  out.AppendRecord(info);
  out.Append(set.data.Bytes());
  if (header.version == 2) WriteVersion2Extension(out, set);
  WriteEmbeddedFiles(out, set.cabinet);
  WriteCabinetSection(out, info, set.cabinet);
  return std::move(out.Bytes());
}

bool WriteBinaryFile(const std::filesystem::path& path, const model::DataSet& set,
                     const WriteOptions& options, std::string& error) {
  const std::vector<std::byte> image = BuildBinaryImage(set, options);
  return model::WriteFileAtomically(
      path, {reinterpret_cast<const char*>(image.data()), image.size()}, error);
}

}  // namespace zef::binary
