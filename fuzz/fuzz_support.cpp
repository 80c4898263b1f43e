#include "fuzz_support.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "binary/binary_reader.h"
#include "binary/binary_writer.h"
#include "model/info_record.h"

namespace zef::fuzz {
namespace fs = std::filesystem;
namespace {

std::string Pattern(std::string_view name) {
  return (fs::temp_directory_path() / ("zef-fuzz-" + std::string(name) + "XXXXXX")).string();
}

bool SameBytes(const void* a, const void* b, std::size_t size) {
  return std::memcmp(a, b, size) == 0;
}

template <typename T>
bool SameVectorBits(const std::vector<T>& a, const std::vector<T>& b) {
  return a.size() == b.size() && (a.empty() || SameBytes(a.data(), b.data(), a.size() * sizeof(T)));
}

// Everything a distribution binary stores; paths and the DXF lists are not stored.
void CheckSameStoredContent(const model::DataSet& read, const model::DataSet& written) {
  Require(read.kind == written.kind, "round trip keeps the kind");
  Require(SameBytes(read.info.get(), written.info.get(), sizeof(model::InfoRecord)),
          "round trip keeps the info record");
  Require(read.data == written.data, "round trip keeps the data record");
  if (binary::HeaderVersionFor(written) == 2) {
    Require(SameBytes(&read.systemPart, &written.systemPart, sizeof read.systemPart),
            "round trip keeps the system part");
  }
  if (written.HasPhaseData() && written.phase && binary::HeaderVersionFor(written) == 2) {
    Require(read.phase && SameBytes(read.phase.get(), written.phase.get(), sizeof *read.phase),
            "round trip keeps the phase block");
    Require(!read.filter == !written.filter, "round trip keeps whether there is a filter");
    if (read.filter)
      Require(SameBits(*read.filter, *written.filter), "round trip keeps the filter");
  }
  const model::CabinetGeometry& a = read.cabinet;
  const model::CabinetGeometry& b = written.cabinet;
  Require(SameBits(a.edges, b.edges) && SameBits(a.faces, b.faces) &&
              SameBits(a.faceEdges, b.faceEdges),
          "round trip keeps the cabinet lists");
  Require(a.infoFile == b.infoFile && a.dxfFile == b.dxfFile,
          "round trip keeps the embedded files");
}

}  // namespace

void Require(bool holds, std::string_view what) {
  if (holds) return;
  std::fprintf(stderr, "==fuzz== invariant broken: %.*s\n", static_cast<int>(what.size()),
               what.data());
  std::abort();
}

ScratchFile::ScratchFile(std::string_view suffix) {
  std::string pattern = Pattern("input-") + std::string(suffix);
  fd_ = ::mkstemps(pattern.data(), static_cast<int>(suffix.size()));
  Require(fd_ >= 0, "a scratch file can be made");
  path_ = pattern;
}

ScratchFile::~ScratchFile() {
  ::close(fd_);
  std::error_code ignored;
  fs::remove(path_, ignored);
}

const fs::path& ScratchFile::Write(Bytes bytes) {
  Require(::ftruncate(fd_, 0) == 0, "the scratch file can be emptied");
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    Require(n > 0, "the scratch file can be written");
    done += static_cast<std::size_t>(n);
  }
  return path_;
}

ScratchFolder::ScratchFolder() {
  std::string pattern = Pattern("folder-");
  Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void ScratchFolder::Put(std::string_view name, std::span<const std::byte> bytes) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  Require(out.good(), "a scratch folder file can be written");
}

bool SameBits(const model::NodeList<model::Edge>& a, const model::NodeList<model::Edge>& b) {
  static_assert(sizeof(model::Edge) == 28, "an edge is its seven values");
  return SameVectorBits(a.InAddedOrder(), b.InAddedOrder());
}

bool SameBits(const model::NodeList<model::Face>& a, const model::NodeList<model::Face>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.colour == y.colour && SameVectorBits(x.vertices, y.vertices);
  });
}

bool SameBits(const model::FilterDescriptor& a, const model::FilterDescriptor& b) {
  return a.kind == b.kind && a.sampleRate == b.sampleRate && SameVectorBits(a.real, b.real) &&
         SameVectorBits(a.imag, b.imag) && SameVectorBits(a.taps, b.taps);
}

std::uint32_t LowestBand(model::FormatKind kind) {
  return kind == model::FormatKind::Zef1 ? 1 : 3;
}

void CheckSetShape(const model::DataSet& set) {
  const model::DataRecord& data = set.data;
  Require(data.Kind() == set.kind, "the data record is of the set's kind");
  Require(data.MinBand() >= LowestBand(set.kind), "the lowest band is a real band");
  Require(data.MinBand() <= data.MaxBand(), "the band range is not reversed");
  Require(data.MaxBand() < static_cast<std::uint32_t>(data.GetGrid().bands),
          "the highest band lies in the grid");
  Require(set.version == 1 || set.version == 2, "the format version is 1 or 2");
  Require(!set.phase || set.kind == model::FormatKind::Zef2,
          "only a one-third-octave set has a phase block");
  Require(set.info != nullptr, "every set has an info record");
}

void CheckBinaryRoundTrip(const model::DataSet& set) {
  const std::vector<std::byte> image = binary::BuildBinaryImage(set);
  binary::MemoryInput in(image);
  model::LineSink messages;
  const binary::BinaryReadResult read = set.kind == model::FormatKind::Zef1
                                            ? binary::ReadZf1(in, messages)
                                            : binary::ReadZf2(in, messages);
  if (!read.set) {
    for (const std::string& line : messages.Lines()) std::fprintf(stderr, "%s\n", line.c_str());
  }
  Require(read.set != nullptr, "the binary written from a set reads back");
  Require(messages.Lines().empty(), "the binary written from a set reads back without messages");
  CheckSameStoredContent(*read.set, set);
}

}  // namespace zef::fuzz
