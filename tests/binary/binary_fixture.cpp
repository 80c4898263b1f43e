#include "binary_fixture.h"

#include <cstring>

#include "binary/binary_writer.h"
#include "binary/checksums.h"
#include "model/fixed_text.h"

namespace zef::binary::testing {
namespace {

// Small deterministic generator: values that exercise every byte of a float.
class Values {
 public:
  explicit Values(unsigned seed) : state_(seed * 2654435761u + 1) {}
  float Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<std::int32_t>(state_ >> 8) % 20000) / 64.0f - 100.0f;
  }
  void Fill(std::span<float> out) {
    for (float& v : out) v = Next();
  }

 private:
  std::uint32_t state_;
};

void FillInfo(model::InfoRecord& info, Values& values) {
  model::SetText(info.author, "Measured at the lab");
  info.creatorCategory = 2;
  model::SetText(info.modelName, "Box 12 \xE9lan");  // Latin-1 e acute
  model::SetText(info.manufacturer, "Maker");
  model::SetText(info.description, "Two-way \"reference\" box");
  model::SetText(info.measurementDate, "2021-MAR-04");
  model::SetText(info.fileDate, "2021-APR-01");
  model::SetText(info.writerText, "zef 0.1");
  info.weight = 12.5f;
  info.meanImpedance = 7.25f;
  info.onAxisCode = model::kPlusX;
  info.upCode = model::kPlusZ;
  values.Fill(info.axialSpectrum);
  values.Fill(info.customSpectrum);
}

std::size_t SectionsOffset(const model::DataSet& set) {
  if (set.kind == model::FormatKind::Zef1) return kZef1SectionsOffset;
  if (set.version != 2) return kZef2ExtensionOffset;
  if (!set.HasPhaseData()) return kPhaseOffset;
  return WrittenImage(set).size() - 8;  // tests cut phase sets only without cabinet or files
}

}  // namespace

std::unique_ptr<model::DataSet> FilledSet(model::FormatKind kind, std::uint32_t version,
                                          unsigned seed) {
  auto set = std::make_unique<model::DataSet>(kind);
  set->version = version;
  Values values(seed);
  FillInfo(*set->info, values);
  model::DataRecord& data = set->data;
  values.Fill(std::span(reinterpret_cast<float*>(data.Bytes().data()), data.Bytes().size() / 4));
  const bool zef1 = kind == model::FormatKind::Zef1;
  data.MinBand() = zef1 ? 1 : 3;
  data.MaxBand() = zef1 ? 9 : 29;
  if (version == 2) {
    model::SetText(set->systemPart.referenceText, "front baffle");
    set->systemPart.referencePoint[0] = 0.125f;
    set->systemPart.part = 1;
    set->systemPart.parts = 2;
    model::SetText(set->systemPart.partText, "low section");
  }
  return set;
}

void AddPhase(model::DataSet& set, model::FilterKind filterKind) {
  set.info->presenceFlags |= model::presence::kPhaseData;
  set.phase = std::make_unique<model::PhaseBlock>();
  Values values(7);
  values.Fill(std::span(&set.phase->balloon[0][0][0], 30 * 72 * 37));
  values.Fill(set.phase->sensitivity);
  set.filter = std::make_unique<model::FilterDescriptor>();
  set.filter->kind = filterKind;
  if (filterKind == model::FilterKind::ThirdOctaveComplex) {
    set.filter->real.resize(30);
    set.filter->imag.resize(30);
    values.Fill(set.filter->real);
    values.Fill(set.filter->imag);
  } else if (filterKind == model::FilterKind::FirWav) {
    set.filter->taps = {0.5f, -0.25f, 0.125f, 0.0f, -1.0f};
    set.filter->sampleRate = 48000;
  }
}

void AddCabinetLists(model::DataSet& set) {
  model::CabinetGeometry& c = set.cabinet;
  set.info->cabinetFlags |= model::cabinet_flag::kEdges | model::cabinet_flag::kFaces;
  c.AddEdge(c.edges, 0x0000FF, {1, 2, 3}, {0, 0, 0});
  c.AddEdge(c.edges, 0x00FF00, {-1, -2, -3}, {0.5f, 0.25f, 0.125f});
  for (int n : {3, 4}) {
    model::Face face = model::CabinetGeometry::BeginFace();
    for (int i = 0; i < n; ++i) {
      c.AddVertex({static_cast<float>(i), static_cast<float>(n), 0.5f}, face);
    }
    face.colour = 0x100u * static_cast<std::uint32_t>(n);
    model::CabinetGeometry::AddFace(std::move(face), c.faces);
  }
  c.AddEdge(c.faceEdges, 0xFF0000, {0, 1, 0}, {0, 0, 1});
}

void AddEmbeddedFiles(model::DataSet& set, model::EmbeddedKind infoKind) {
  set.cabinet.infoFile.kind = infoKind;
  const std::string text = infoKind == model::EmbeddedKind::Pdf ? "%PDF-1.4 tiny" : "About the box";
  set.cabinet.infoFile.bytes.assign(text.begin(), text.end());
  set.cabinet.dxfFile.kind = model::EmbeddedKind::Dxf;
  const std::string dxf = "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
  set.cabinet.dxfFile.bytes.assign(dxf.begin(), dxf.end());
}

Image WrittenImage(const model::DataSet& set) {
  return BuildBinaryImage(set);
}

Image RecordsOnly(const model::DataSet& set) {
  Image image = WrittenImage(set);
  image.resize(SectionsOffset(set));
  return image;
}

namespace {
template <typename T>
void AppendValues(Image& image, std::initializer_list<T> values) {
  const std::size_t at = image.size();
  image.resize(at + values.size() * sizeof(T));
  std::memcpy(image.data() + at, std::data(values), values.size() * sizeof(T));
}
}  // namespace

void AppendU32s(Image& image, std::initializer_list<std::uint32_t> values) {
  AppendValues(image, values);
}

void AppendFloats(Image& image, std::initializer_list<float> values) {
  AppendValues(image, values);
}

void PutU32(Image& image, std::size_t offset, std::uint32_t value) {
  std::memcpy(image.data() + offset, &value, 4);
}

void ResealChecksums(Image& image, model::FormatKind kind) {
  model::InfoRecord info;
  std::memcpy(&info, image.data() + kInfoOffset, sizeof info);
  model::DataRecord data(kind);
  std::memcpy(data.Bytes().data(), image.data() + kDataOffset, data.Bytes().size());
  std::uint32_t version = 0;
  std::memcpy(&version, image.data() + 4, 4);
  PutU32(image, 28, FileDataChecksum(version, info, data));
  PutU32(image, 32, TextChecksum(info));
}

ReadBack ReadImage(model::FormatKind kind, const Image& image) {
  MemoryInput in(image);
  model::LineSink sink;
  BinaryReadResult read = kind == model::FormatKind::Zef1 ? ReadZf1(in, sink) : ReadZf2(in, sink);
  return {std::move(read.set), read.header, sink.Lines()};
}

std::vector<std::string> FileError(const std::string& message) {
  return {"File error:" + message};
}

::testing::AssertionResult SameContent(const model::DataSet& a, const model::DataSet& b) {
  if (a.kind != b.kind || a.version != b.version || a.draft != b.draft) {
    return ::testing::AssertionFailure() << "kind, version or draft differ";
  }
  if (std::memcmp(a.info.get(), b.info.get(), sizeof(model::InfoRecord)) != 0) {
    return ::testing::AssertionFailure() << "info records differ";
  }
  if (!(a.data == b.data)) return ::testing::AssertionFailure() << "data records differ";
  if (std::memcmp(&a.systemPart, &b.systemPart, sizeof a.systemPart) != 0) {
    return ::testing::AssertionFailure() << "system parts differ";
  }
  if (!a.phase != !b.phase ||
      (a.phase && std::memcmp(a.phase.get(), b.phase.get(), sizeof(model::PhaseBlock)) != 0)) {
    return ::testing::AssertionFailure() << "phase blocks differ";
  }
  if (!a.filter != !b.filter || (a.filter && !(*a.filter == *b.filter))) {
    return ::testing::AssertionFailure() << "filters differ";
  }
  if (!(a.cabinet == b.cabinet)) return ::testing::AssertionFailure() << "cabinets differ";
  if (!(a == b)) return ::testing::AssertionFailure() << "sets differ";
  return ::testing::AssertionSuccess();
}

}  // namespace zef::binary::testing
