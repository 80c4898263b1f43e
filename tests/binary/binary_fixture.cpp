#include "binary_fixture.h"

#include <bit>
#include <cstring>
#include <sstream>

#include "binary/binary_writer.h"
#include "binary/checksums.h"
#include "model/fixed_text.h"
#include "wav/wav_image.h"

namespace zef::binary::testing {
namespace {

// Deterministic values that exercise every byte of a float.
void Fill(std::span<float> out, unsigned seed) {
  std::uint32_t state = seed * 2654435761u + 1;
  for (float& v : out) {
    state = state * 1664525u + 1013904223u;
    v = static_cast<float>(static_cast<std::int32_t>(state >> 8) % 20000) / 64.0f - 100.0f;
  }
}

}  // namespace

std::unique_ptr<model::DataSet> FilledSet(model::FormatKind kind, std::uint32_t version,
                                          unsigned seed) {
  auto set = std::make_unique<model::DataSet>(kind);
  set->version = version;
  model::InfoRecord& info = *set->info;
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
  Fill(info.axialSpectrum, seed);
  Fill(info.customSpectrum, seed + 1);
  model::DataRecord& data = set->data;
  Fill(std::span(reinterpret_cast<float*>(data.Bytes().data()), data.Bytes().size() / 4), seed);
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
  Fill(std::span(&set.phase->balloon[0][0][0], 30 * 72 * 37), 7);
  Fill(set.phase->sensitivity, 8);
  set.filter = std::make_unique<model::FilterDescriptor>();
  set.filter->kind = filterKind;
  if (filterKind == model::FilterKind::ThirdOctaveComplex) {
    set.filter->real.resize(30);
    set.filter->imag.resize(30);
    Fill(set.filter->real, 9);
    Fill(set.filter->imag, 10);
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
  const std::string info = infoKind == model::EmbeddedKind::Pdf ? "%PDF-1.4 tiny" : "About the box";
  const std::string dxf = "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
  set.cabinet.infoFile = {infoKind, {info.begin(), info.end()}};
  set.cabinet.dxfFile = {model::EmbeddedKind::Dxf, {dxf.begin(), dxf.end()}};
}

Image RecordsOnly(const model::DataSet& set) {
  Image image = BuildBinaryImage(set);
  // Phase sets are cut only without cabinet lists or embedded files.
  image.resize(set.kind == model::FormatKind::Zef1 ? kZef1SectionsOffset
               : HeaderVersionFor(set) != 2        ? kZef2ExtensionOffset
               : set.HasPhaseData()                ? image.size() - 8
                                                   : kPhaseOffset);
  return image;
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

ReadBack ReadImage(model::FormatKind kind, std::span<const std::byte> image) {
  MemoryInput in(image);
  model::LineSink sink;
  BinaryReadResult read = kind == model::FormatKind::Zef1 ? ReadZf1(in, sink) : ReadZf2(in, sink);
  return {std::move(read.set), read.header, sink.Lines()};
}

Described Describe(const std::string& description) {
  std::istringstream tokens(description);
  std::string t;
  tokens >> t;
  const model::FormatKind kind = t == "zf1" ? model::FormatKind::Zef1 : model::FormatKind::Zef2;
  Described d{kind, FilledSet(kind, t == "zf2v2" ? 2 : 1), {}};
  bool built = false;
  std::string bytes = "raw";  // appended last
  const auto build = [&d, &built](bool records) {
    if (!built) d.image = records ? RecordsOnly(*d.set) : BuildBinaryImage(*d.set);
    built = true;
  };
  const auto offset = [](const std::string& text) {
    const std::pair<const char*, std::size_t> names[] = {{"info", kInfoOffset},
                                                         {"data", kDataOffset},
                                                         {"sections", kZef1SectionsOffset},
                                                         {"ext", kZef2ExtensionOffset},
                                                         {"phase", kPhaseOffset}};
    std::size_t base = 0;
    for (const auto& [name, at] : names) base += text.starts_with(name) ? at : 0;
    const std::size_t plus = text.find('+');
    return base + (plus != std::string::npos ? std::stoul(text.substr(plus + 1), nullptr, 0)
                   : base == 0               ? std::stoul(text, nullptr, 0)
                                             : 0);
  };
  const char* const filters[] = {"none", "complex", "fir", "pending"};
  while (tokens >> t) {
    const std::string value = t.substr(t.find_first_of("=:") + 1);
    if (t.starts_with("phase=")) {
      AddPhase(*d.set,
               static_cast<model::FilterKind>(std::find(filters, filters + 4, value) - filters));
    } else if (t == "phaseflag") {
      d.set->info->presenceFlags |= model::presence::kPhaseData;
    } else if (t.starts_with("cab=")) {
      d.set->info->cabinetFlags = static_cast<std::uint32_t>(std::stoul(value, nullptr, 0));
    } else if (t == "lists") {
      AddCabinetLists(*d.set);
    } else if (t.starts_with("files=")) {
      AddEmbeddedFiles(*d.set,
                       value == "pdf" ? model::EmbeddedKind::Pdf : model::EmbeddedKind::Text);
    } else if (t == "records") {
      build(true);
    } else {
      build(false);
      Image& image = d.image;
      if (t[0] == '@') {
        PutU32(image, offset(t.substr(1, t.find('=') - 1)),
               static_cast<std::uint32_t>(std::stoul(value, nullptr, 0)));
      } else if (t[0] == '^') {
        image.at(offset(t.substr(1))) ^= std::byte{1};
      } else if (t == "reseal") {
        ResealChecksums(image, kind);
      } else if (t.starts_with("cut=")) {
        image.resize(offset(value));
      } else if (t.starts_with("drop=")) {
        image.resize(image.size() - std::stoul(value));
      } else {
        bytes += " " + t;
      }
    }
  }
  build(false);
  for (const std::uint8_t b : wav::testing::ImageOf(bytes)) d.image.push_back(std::byte{b});
  return d;
}

std::string Summary(const ReadBack& read) {
  std::ostringstream s;
  for (const std::string& line : read.lines)
    s << line << (&line == &read.lines.back() ? "" : " / ");
  if (!read.set) return s.str();
  const model::DataSet& set = *read.set;
  s << (read.lines.empty() ? "" : " / ") << "read v" << read.header.version << " bands "
    << set.data.MinBand() << "-" << set.data.MaxBand() << std::hex;
  const auto point = [&s](const model::Point3& p) {
    s << "(" << p.x << "," << p.y << "," << p.z << ")";
  };
  const model::CabinetGeometry& c = set.cabinet;
  for (const auto& [name, list] : {std::pair{" edge ", &c.edges}, {" face-edge ", &c.faceEdges}}) {
    for (const model::Edge& e : *list) {
      s << name << e.colour;
      point(e.first);
      point(e.second);
    }
  }
  for (const model::Face& f : c.faces) {
    s << " face " << f.colour;
    for (const model::Point3& p : f.vertices) point(p);
  }
  s << std::dec;
  for (const auto& [name, file] : {std::pair{" info ", &c.infoFile}, {" dxf ", &c.dxfFile}}) {
    if (file->kind != model::EmbeddedKind::None)
      s << name << static_cast<int>(file->kind) << ":"
        << std::string(file->bytes.begin(), file->bytes.end());
  }
  if (set.phase) s << " phase";
  if (set.filter) {
    s << " filter " << static_cast<int>(set.filter->kind) << " complex "
      << set.filter->real.size() + set.filter->imag.size() << " taps";
    for (const float tap : set.filter->taps) s << " " << tap;
    s << " at " << set.filter->sampleRate;
  }
  if (set.version == 2)
    s << " part " << set.systemPart.part << "/" << set.systemPart.parts << " "
      << model::TextOf(set.systemPart.partText);
  return s.str();
}

std::vector<std::string> FileError(const std::string& message) {
  return {"File error:" + message};
}
}  // namespace zef::binary::testing
