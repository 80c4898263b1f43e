// zef-fuzz-seeds OUTDIR: writes the seed corpora of the fuzz targets, one
// folder per target, from the generator's sample sets and small hand-built
// side-format files.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <tuple>

#include "app/options_file.h"
#include "binary/binary_writer.h"
#include "model/fixed_text.h"
#include "record_splice.h"
#include "sample_sets.h"
#include "side_format_seeds.h"
#include "textformat/text_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace zef;

bool Put(const fs::path& file, std::span<const std::byte> bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (out.good()) return true;
  std::fprintf(stderr, "Cannot write %s\n", file.c_str());
  return false;
}

bool PutText(const fs::path& file, std::string_view text) {
  return Put(file, std::as_bytes(std::span(text.data(), text.size())));
}

// Two bands and the fewest arcs: a seed the fuzzer mutates quickly.
model::DataSet Narrowed(const model::DataSet& set) {
  model::DataSet small = set;
  small.data.MaxBand() = small.data.MinBand() + 1;
  small.info->symmetry = model::Symmetry::Rotational;
  return small;
}

// Every cabinet list and both embedded files, so the sections behind the records have examples.
model::DataSet WithSections(const model::DataSet& set, model::EmbeddedKind infoKind) {
  model::DataSet full = set;
  model::CabinetGeometry& c = full.cabinet;
  full.info->cabinetFlags |= model::cabinet_flag::kEdges | model::cabinet_flag::kFaces;
  c.AddEdge(c.edges, 0x112233, {1, 2, 3}, {-1, -2, -3});
  c.AddEdge(c.faceEdges, 0x445566, {0, 0, 1}, {0, 1, 0});
  model::Face face = model::CabinetGeometry::BeginFace();
  for (const model::Point3 p : {model::Point3{0, 0, 0}, {0, 1, 0}, {0, 1, 1}}) c.AddVertex(p, face);
  model::CabinetGeometry::AddFace(std::move(face), c.faces);
  const std::string_view info =
      infoKind == model::EmbeddedKind::Pdf ? "%PDF-1.4\n" : "About it\r\n";
  c.infoFile = {infoKind, {info.begin(), info.end()}};
  const std::string_view dxf = "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
  c.dxfFile = {model::EmbeddedKind::Dxf, {dxf.begin(), dxf.end()}};
  return full;
}

// The filter kinds a version-2 binary may carry, on a copy of a set with phase data.
model::DataSet WithFilter(const model::DataSet& set, model::FilterKind kind) {
  model::DataSet changed = set;
  changed.filter = std::make_unique<model::FilterDescriptor>();
  changed.filter->kind = kind;
  if (kind == model::FilterKind::ThirdOctaveComplex) {
    changed.filter->real.assign(model::kMaxBands, 0.5f);
    changed.filter->imag.assign(model::kMaxBands, -0.5f);
  }
  return changed;
}

// The balloon's reading options the writer never chooses by itself: every
// symmetry, the reversed arc order, a rotation and the reversed sign, so the
// fuzzer starts from each way a balloon can be completed or turned.
bool PutBalloonVariants(const fs::path& stem, const model::DataSet& set,
                        textformat::TextWriteOptions options) {
  bool ok = true;
  for (const auto symmetry : {model::Symmetry::Full, model::Symmetry::Vertical,
                              model::Symmetry::Horizontal, model::Symmetry::Polar}) {
    if (symmetry == model::Symmetry::Polar && set.HasPhaseData()) continue;  // refused with phase
    model::DataSet changed = set;
    changed.info->symmetry = symmetry;
    const std::string name = "-symmetry" + std::to_string(static_cast<int>(symmetry)) + ".txt";
    ok = ok && PutText(stem.string() + name, textformat::WriteText(changed, options));
  }
  options.reversedArcOrder = true;
  std::string text = textformat::WriteText(set, options);
  ok = ok && PutText(stem.string() + "-reversed.txt", text);
  for (const auto& [from, to, name] :
       {std::tuple{"<REVERSED>\r\n", "<REVERSED>\t<ROTATE>\t90\r\n", "-rotated.txt"},
        std::tuple{"<SIGN>\t<ACTUAL>", "<SIGN>\t<REVERSED>", "-sign.txt"}}) {
    std::string edited = text;
    const std::size_t at = edited.find(from);
    if (at == std::string::npos) continue;  // an absolute balloon has no sign
    edited.replace(at, std::string_view(from).size(), to);
    ok = ok && PutText(stem.string() + name, edited);
  }
  return ok;
}

bool PutBinary(const fs::path& folder, const std::string& name, const model::DataSet& set) {
  const fs::path kindFolder = folder / (set.kind == model::FormatKind::Zef1 ? "zf1" : "zf2");
  return Put(kindFolder / name, fuzz::CutRecords(binary::BuildBinaryImage(set), set.kind));
}

bool PutSample(const fs::path& folder, const samplegen::Sample& sample) {
  const std::string stem = fs::path(sample.fileName).stem().string();
  // Companion files under the names the text target keeps beside its input.
  textformat::TextWriteOptions options = sample.options;
  options.infoFileName.clear();
  options.firWavFileName.clear();
  options.dxfFileName.clear();
  const model::DataSet small = Narrowed(sample.set);
  bool ok = PutText(folder / "text" / (stem + ".txt"), textformat::WriteText(sample.set, options));
  options.ownSymmetry = true;
  ok =
      ok && PutText(folder / "text" / (stem + "-small.txt"), textformat::WriteText(small, options));
  ok = ok && PutBalloonVariants(folder / "text" / stem, small, options);
  model::DataSet drawn = WithSections(small, model::EmbeddedKind::Text);
  drawn.info->cabinetFlags |= model::cabinet_flag::kDxf;
  ok = ok &&
       PutText(folder / "text" / (stem + "-sections.txt"), textformat::WriteText(drawn, options));
  ok = ok && PutBinary(folder, stem + ".bin", sample.set);
  ok = ok && PutBinary(folder, stem + "-small.bin", small);
  ok = ok &&
       PutBinary(folder, stem + "-sections.bin", WithSections(small, model::EmbeddedKind::Pdf));
  if (sample.set.HasPhaseData()) {
    for (const auto kind : {model::FilterKind::None, model::FilterKind::ThirdOctaveComplex,
                            model::FilterKind::Pending}) {
      const std::string name = stem + "-filter" + std::to_string(static_cast<int>(kind)) + ".bin";
      ok = ok && PutBinary(folder, name, WithFilter(small, kind));
      ok = ok && PutText(folder / "text" /
                             (stem + "-filter" + std::to_string(static_cast<int>(kind)) + ".txt"),
                         textformat::WriteText(WithFilter(small, kind), options));
    }
  }
  return ok;
}

bool PutSideFiles(const fs::path& folder, const std::vector<fuzz::NamedFile>& files) {
  for (const auto& [name, bytes] : files) {
    if (!Put(folder / name, std::as_bytes(std::span(bytes)))) return false;
  }
  return true;
}

}  // namespace

// An options file as the viewer saves it, and the same cut to the sizes of
// the two earlier versions (with their version number).
bool PutOptionsFiles(const fs::path& folder) {
  app::StoredOptions options;
  options.fontFace = "Liberation Sans";
  std::vector<std::uint8_t> bytes = app::EncodeOptions(options);
  bool ok = Put(folder / "version3.dat", std::as_bytes(std::span(bytes)));
  for (const std::uint8_t version : {2, 1}) {
    bytes[4] = version;
    bytes.resize(version == 2 ? 24 : 20);
    ok = ok && Put(folder / ("version" + std::to_string(version) + ".dat"),
                   std::as_bytes(std::span(bytes)));
  }
  return ok;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zef-fuzz-seeds OUTDIR\n");
    return 2;
  }
  const fs::path folder = argv[1];
  std::error_code ec;
  for (const char* target : {"text", "zf1", "zf2", "wav", "dxf", "options"}) {
    fs::remove_all(folder / target, ec);
    fs::create_directories(folder / target, ec);
    if (ec) {
      std::fprintf(stderr, "Cannot create %s: %s\n", (folder / target).c_str(),
                   ec.message().c_str());
      return 1;
    }
  }
  bool ok = true;
  for (const samplegen::Sample& sample : samplegen::BundledSamples()) {
    ok = ok && PutSample(folder, sample);
  }
  ok = ok && PutSideFiles(folder / "wav", fuzz::SeedWaves());
  ok = ok && PutSideFiles(folder / "dxf", fuzz::SeedDrawings());
  ok = ok && PutOptionsFiles(folder / "options");
  return ok ? 0 : 1;
}
