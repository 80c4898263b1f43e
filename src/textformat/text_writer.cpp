#include "textformat/text_writer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include "model/atomic_file.h"
#include "model/fixed_text.h"
#include "textformat/balloon_completion.h"
#include "wav/wav_writer.h"

namespace zef::textformat {
namespace fs = std::filesystem;
namespace presence = model::presence;
using model::TextOf;

namespace {

constexpr std::string_view kUnitNames[6] = {"<MM>", "<CM>", "<DM>", "<M>", "<INCHES>", "<FEET>"};

bool IsQuote(char c) {
  return c == '\'' || c == '"';
}

// A text as one field. The reader takes one outer quote and the spaces next
// to it off, and a leading "#" would make the field a comment, so such texts
// are wrapped in double quotes. Line breaks become "<br>" where the reader
// turns them back; characters that would end the field or the file cannot be
// written and become spaces.
std::string FieldText(std::string_view text, bool breaks) {
  std::string field;
  field.reserve(text.size() + 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (breaks && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      field += "<br>";
      ++i;
    } else {
      field += (c == '\t' || c == '\r' || c == '\n' || c == 26) ? ' ' : c;
    }
  }
  const bool quote =
      !field.empty() && (IsQuote(field.front()) || IsQuote(field.back()) || field.front() == '#' ||
                         field.front() == ' ' || field.back() == ' ');
  return quote ? '"' + field + '"' : field;
}

std::string PerBandText(float value) {
  return value == model::kNoData ? std::string("<NODATA>") : RealText(value);
}

// Builds the lines of a data file: keyword lines (the keyword, then a TAB
// before every value, at least one TAB) and data lines (values between TABs).
class LineBuilder {
 public:
  explicit LineBuilder(std::string& out) : out_(out) {}

  LineBuilder& Key(std::string_view keyword) {
    out_ += keyword;
    keyLine_ = true;
    fields_ = 0;
    return *this;
  }
  LineBuilder& Data() {
    keyLine_ = false;
    fields_ = 0;
    return *this;
  }
  LineBuilder& Add(std::string_view field) {
    if (keyLine_ || fields_ > 0) out_ += '\t';
    out_ += field;
    ++fields_;
    return *this;
  }
  LineBuilder& Real(float value) { return Add(RealText(value)); }
  LineBuilder& Whole(std::uint32_t value) { return Add(std::to_string(value)); }
  LineBuilder& Text(std::string_view text, bool breaks = false) {
    return text.empty() ? *this : Add(FieldText(text, breaks));
  }
  LineBuilder& Values(std::span<const float> array, int first, int last) {
    for (int i = first; i <= last; ++i) Add(PerBandText(array[i]));
    return *this;
  }
  void End() {
    if (keyLine_ && fields_ == 0) out_ += '\t';
    out_ += "\r\n";
  }

 private:
  std::string& out_;
  bool keyLine_ = false;
  int fields_ = 0;
};

// The names the text gives its companion files.
struct CompanionNames {
  std::string info;
  std::string dxf;
  std::string firWav;
};

std::string OrDefault(const std::string& name, const std::string& fallback) {
  return name.empty() ? fallback : name;
}

// Names not given take the text file's name (`stem`) when there is one.
CompanionNames NamesFor(const model::DataSet& set, const TextWriteOptions& options,
                        const std::string& stem) {
  const std::string info = stem.empty() ? "info" : stem + "-info";
  const bool pdf = set.cabinet.infoFile.kind == model::EmbeddedKind::Pdf;
  const fs::path dxfPath(set.cabinet.dxfPath);
  const std::string dxf = dxfPath.has_filename() ? dxfPath.filename().string()
                          : stem.empty()         ? std::string("cabinet.dxf")
                                                 : stem + ".dxf";
  return {OrDefault(options.infoFileName, info + (pdf ? ".pdf" : ".txt")),
          OrDefault(options.dxfFileName, dxf),
          OrDefault(options.firWavFileName, stem.empty() ? "fir.wav" : stem + "-fir.wav")};
}

class Writer {
 public:
  Writer(const model::DataSet& set, const TextWriteOptions& options, const CompanionNames& names)
      : set_(set), info_(*set.info), options_(options), names_(names), w_(out_) {}

  std::string Run() {
    out_ += set_.kind == model::FormatKind::Zef1 ? "<ZEF1>\r\n" : "<ZEF2>\r\n";
    for (const std::string& comment : options_.comments) out_ += "# " + comment + "\r\n";
    Identification();
    BandRange();
    Measurement();
    if (info_.type != model::SpeakerType::Powered) ElectroAcoustic();
    Radiation();
    Balloon();
    Cabinet();
    out_ += set_.kind == model::FormatKind::Zef1 ? "<ZEF1END>\r\n" : "<ZEF2END>\r\n";
    return std::move(out_);
  }

 private:
  bool Phase() const { return set_.HasPhaseData(); }
  int MinBand() const { return static_cast<int>(set_.data.MinBand()); }
  int MaxBand() const { return static_cast<int>(set_.data.MaxBand()); }

  template <std::size_t N>
  void TextLine(std::string_view keyword, const char (&field)[N], bool breaks = false) {
    w_.Key(keyword).Text(TextOf(field), breaks).End();
  }

  void Identification() {
    w_.Key("<VERSION>").Whole(set_.version);
    if (set_.draft != 0) w_.Add("<DRAFT>").Whole(set_.draft);
    w_.End();
    TextLine("<MODELNAME>", info_.modelName);
    if (set_.version == 2) {
      const model::SystemPartRecord& part = set_.systemPart;
      w_.Key("<PART>").Whole(part.part).Add("<OF>").Whole(part.parts);
      if (!TextOf(part.partText).empty()) w_.Add("<INFO>").Text(TextOf(part.partText));
      w_.End();
    }
    w_.Key("<INFOFILE>");
    if (set_.cabinet.infoFile.kind != model::EmbeddedKind::None) w_.Text(names_.info);
    w_.End();
    TextLine("<MANUFACTURER>", info_.manufacturer);
    TextLine("<WEB-SITE>", info_.webSite);
    TextLine("<DESCRIPTION>", info_.description);
    TextLine("<COLORS>", info_.colors);
    TextLine("<MOUNTING>", info_.mounting);
    w_.Key("<WEIGHT>");
    if (info_.weight >= 0) w_.Real(info_.weight);  // -1 stands for a weight not given
    w_.End();
  }

  void BandRange() {
    w_.Key("<MINBAND>").Add(model::BandLabel(set_.kind, MinBand())).End();
    w_.Key("<MAXBAND>").Add(model::BandLabel(set_.kind, MaxBand())).End();
    if (set_.version != 2) return;
    w_.Key("<PHASEDATA>");
    if (Phase()) {
      w_.Add("<YES>").Add("<UNIT>").Add("<RAD>");  // radians: the phases are stored so
    } else {
      w_.Add("<NO>");
    }
    w_.End();
  }

  void Measurement() {
    TextLine("<MEASUREMENT-CONTACT>", info_.measurementContact);
    TextLine("<MEASUREMENT-EMAIL>", info_.measurementEmail);
    // "dummy" stands for a date not given and would fail the date check.
    const std::string_view date = TextOf(info_.measurementDate);
    w_.Key("<MEASUREMENT-DATE>").Text(date == "dummy" ? std::string_view() : date).End();
    TextLine("<MEASUREMENT-NOTE>", info_.measurementNote);
    TextLine("<MEASUREMENT-ENVIRONMENT>", info_.measurementEnvironment);
    w_.Key("<MEASUREMENT-DISTANCE>");
    if (info_.presenceFlags & presence::kMeasurementDistance) w_.Real(info_.measurementDistance);
    w_.End();
    w_.Key("<MEASUREMENT-INPUTVOLTAGE>");
    if (info_.presenceFlags & presence::kInputVoltage) {
      w_.Values(set_.data.Array(model::PerBand::InputVoltage), MinBand(), MaxBand());
    }
    w_.End();
    Type();
  }

  void Type() {
    w_.Key("<TYPE>");
    const std::string_view text = TextOf(info_.typeInfo);
    if (info_.type == model::SpeakerType::Active) {
      w_.Add("<ACTIVE>");
    } else if (info_.type == model::SpeakerType::Powered) {
      w_.Add("<POWERED>");
    } else {
      w_.Add("<PASSIVE>").End();
      return;
    }
    // A "dummy" without its flag is the reader's stand-in for a missing <INFO>.
    if (text != "dummy" || (info_.presenceFlags & presence::kTypeInfo)) {
      w_.Add("<INFO>").Text(text, true);
    }
    w_.End();
  }

  void ElectroAcoustic() {
    w_.Key("<SENSITIVITY>")
        .Values(set_.data.Array(model::PerBand::Sensitivity), MinBand(), MaxBand())
        .End();
    if (Phase()) {
      w_.Key("<SENSITIVITY-PHASE>").Values(set_.phase->sensitivity, MinBand(), MaxBand()).End();
    }
    TextLine("<SENSITIVITY-INFO>", info_.sensitivityInfo, true);
    if (Phase()) Filter();
    w_.Key("<IMPEDANCE>")
        .Values(set_.data.Array(model::PerBand::Impedance), MinBand(), MaxBand())
        .End();
    TextLine("<IMPEDANCE-INFO>", info_.impedanceInfo, true);
    MaxInput();
  }

  void Filter() {
    const model::FilterKind kind = set_.filter ? set_.filter->kind : model::FilterKind::None;
    w_.Key("<FILTER>");
    switch (kind) {
      case model::FilterKind::None:
        break;
      case model::FilterKind::Pending:
        w_.Add("<PENDING>").End();
        return;
      case model::FilterKind::ThirdOctaveComplex: {
        w_.Add("<YES>").Add("<TYPE>").Add("<1/3-OCT-COMPLEX>").End();
        FilterPart("<FILTER-REAL>", set_.filter->real);
        FilterPart("<FILTER-IMAG>", set_.filter->imag);
        return;
      }
      case model::FilterKind::FirWav:
        w_.Add("<YES>").Add("<TYPE>").Add("<FIR-WAV>").End();
        // The taps go out unscaled as 32-bit floats, so they come back exactly.
        w_.Key("<FIR-WAV>").Text(names_.firWav).Add("<SCALEFACTOR>").Add("1").End();
        return;
    }
    w_.Add("<NO>").End();
  }

  void FilterPart(std::string_view keyword, const std::vector<float>& values) {
    w_.Key(keyword);
    if (values.size() > static_cast<std::size_t>(MaxBand())) {
      w_.Values(values, MinBand(), MaxBand());
    }
    w_.End();
  }

  void MaxInput() {
    static constexpr std::string_view kMethods[4] = {"<AES2-1984>", "<IEC-268-1>", "<EIA-426-B>",
                                                     "<CUSTOM>"};
    w_.Key("<TOTMAXINPUT>");
    // Below the smallest value the reader accepts lies its stand-in for a line
    // without values, which the empty line gives back.
    if (!(info_.maxInputValue >= 0.000001f)) {
      w_.End();
      return;
    }
    const auto method = static_cast<std::uint32_t>(info_.maxInputMethod);
    const bool custom = info_.maxInputMethod == model::TestMethod::Custom;
    w_.Add(info_.maxInputKind == model::MaxInputKind::Voltage ? "<VOLTAGE>" : "<POWER>")
        .Real(info_.maxInputValue)
        .Add("<METHOD>")
        .Add(kMethods[method < 4 ? method : 0]);
    const std::string_view text = TextOf(info_.methodInfo);
    if (!text.empty() || custom) {
      w_.Add("<INFO>").Add(text.empty() ? "dummy" : FieldText(text, true));
    }
    w_.End();
    if (custom) w_.Key("<CUSTOM-SPECTRUM>").Values(info_.customSpectrum, 0, 29).End();
  }

  void Radiation() {
    const bool half = info_.radiation == model::Radiation::HalfSphere;
    w_.Key("<RADIATION>").Add(half ? "<HALFSPHERE>" : "<FULLSPHERE>").End();
    w_.Key("<AXIAL-SPECTRUM>");
    if (info_.presenceFlags & presence::kAxialSpectrum) w_.Values(info_.axialSpectrum, 0, 29);
    w_.End();
    TextLine("<AXIAL-SPECTRUM-INFO>", info_.axialSpectrumInfo, true);
  }

  void Balloon() {
    static constexpr std::string_view kSymmetries[6] = {"<FULL>", "<VERTICAL>",   "<HORIZONTAL>",
                                                        "<NONE>", "<ROTATIONAL>", "<POLAR>"};
    const auto own = static_cast<std::uint32_t>(info_.symmetry);
    const model::Symmetry symmetry =
        options_.ownSymmetry && own < 6 ? info_.symmetry : model::Symmetry::None;
    w_.Key("<BALLOON-SYMMETRY>").Add(kSymmetries[static_cast<std::uint32_t>(symmetry)]).End();
    w_.Key("<BALLOON-ARC-ORDER>").Add(options_.reversedArcOrder ? "<REVERSED>" : "<DEFAULT>").End();
    w_.Key("<BALLOON-REF>");
    if (info_.balloonRef == model::BalloonRef::Absolute) {
      w_.Add("<ABSOLUTE>");
    } else {
      w_.Add(info_.balloonRef == model::BalloonRef::Arbitrary ? "<ARBITRARY>" : "<RELATIVE>");
      w_.Add("<SIGN>").Add("<ACTUAL>");
    }
    w_.End();

    const model::Grid& grid = set_.GetGrid();
    const std::vector<int> arcs = ArcsToRead(symmetry, options_.reversedArcOrder, grid);
    // The reader fills the rear half itself for half-sphere radiation.
    const int lastPoint =
        info_.radiation == model::Radiation::HalfSphere ? (grid.points - 1) / 2 : grid.points - 1;
    for (int band = MinBand(); band <= MaxBand(); ++band) {
      const std::string_view label = model::BandLabel(set_.kind, band);
      w_.Key("<BAND>").Add(label).End();
      for (const int arc : arcs) {
        const std::span<const float> levels = set_.data.Arc(band, arc);
        const float onAxis = set_.data.OnAxis(band, arc);
        w_.Data();
        for (int p = 0; p <= lastPoint; ++p) w_.Real(ArcLevel(levels[p], onAxis));
        w_.End();
      }
      if (!Phase()) continue;
      w_.Key("<PHASE>").Add(label).End();
      for (const int arc : arcs) {
        const float* phases = set_.phase->balloon[band][arc];
        w_.Data();
        for (int p = 0; p <= lastPoint; ++p) w_.Real(phases[p]);
        w_.End();
      }
    }
  }

  // Cabinet points are stored in the cabinet frame; the file gives them in the
  // frame its axis codes name. The frame change only swaps and negates axes,
  // so turning it back is exact.
  model::Point3 FilePoint(model::Point3 stored) const {
    model::GeometryTransform frame;
    frame.Set(1.0f, {}, info_.onAxisCode, info_.upCode);
    const float q[3] = {stored.x, stored.y, stored.z};
    float p[3] = {0, 0, 0};
    for (int axis = 0; axis < 3; ++axis) {
      const model::Point3 column =
          frame.Apply({axis == 0 ? 1.0f : 0.0f, axis == 1 ? 1.0f : 0.0f, axis == 2 ? 1.0f : 0.0f});
      const float c[3] = {column.x, column.y, column.z};
      for (int row = 0; row < 3; ++row) {
        if (c[row] != 0) p[axis] = c[row] > 0 ? q[row] : -q[row];
      }
    }
    return {p[0], p[1], p[2]};
  }

  void AddPoint(model::Point3 stored) {
    const model::Point3 p = FilePoint(stored);
    w_.Real(p.x).Real(p.y).Real(p.z);
  }

  void AddColour(std::uint32_t colour) {
    w_.Add("<RGB>").Whole(colour & 0xFF).Whole((colour >> 8) & 0xFF).Whole((colour >> 16) & 0xFF);
  }

  void EdgeLines(const model::NodeList<model::Edge>& edges) {
    for (const model::Edge& edge : edges.InAddedOrder()) {
      w_.Data();
      AddPoint(edge.first);
      AddPoint(edge.second);
      AddColour(edge.colour);
      w_.End();
    }
  }

  void Cabinet() {
    w_.Key("<CABINET-SYSTEM>");
    if (info_.presenceFlags & presence::kCabinetSystem) {
      w_.Add("<ON-AXIS>").Add(model::kAxisCodeNames[info_.onAxisCode % 6]);
      w_.Add("<UP>").Add(model::kAxisCodeNames[info_.upCode % 6]);
    }
    w_.End();
    const std::uint32_t flags = info_.cabinetFlags;
    const model::CabinetGeometry& cabinet = set_.cabinet;
    if (flags & model::cabinet_flag::kRectangular) {
      const float* r = info_.rectangular;
      w_.Key("<CABINET>").Add("<RECTANGULAR>");
      for (const int i : {0, 3, 1, 4, 2, 5}) w_.Add(PerBandText(r[i]));
      w_.End();
    }
    if (flags & model::cabinet_flag::kTrapezoidal) {
      w_.Key("<CABINET>").Add("<TRAPEZOIDAL>").Values(info_.trapezoidal, 0, 9).End();
    }
    if (flags & model::cabinet_flag::kEdges) {
      w_.Key("<CABINET>").Add("<EDGES>").Whole(static_cast<std::uint32_t>(cabinet.edges.size()));
      w_.Add("<ORIGIN>").Add("0").Add("0").Add("0").End();
      EdgeLines(cabinet.edges);
    }
    if (flags & model::cabinet_flag::kFaces) Faces();
    if (flags & model::cabinet_flag::kDxf) {
      w_.Key("<CABINET>").Add("<DXF>").Text(names_.dxf);
      w_.Add("<UNIT>").Add(kUnitNames[info_.dxfUnit % 6]);
      w_.Add("<ORIGIN>").Values(info_.dxfOrigin, 0, 2).End();
    }
    if (set_.kind == model::FormatKind::Zef2 && set_.version == 2) {
      const model::SystemPartRecord& part = set_.systemPart;
      w_.Key("<CABINET-MR>");
      for (const float v : part.referencePoint) w_.Real(v);
      if (!TextOf(part.referenceText).empty()) w_.Add("<INFO>").Text(TextOf(part.referenceText));
      w_.End();
    }
  }

  void Faces() {
    const model::CabinetGeometry& cabinet = set_.cabinet;
    w_.Key("<CABINET>").Add("<FACES>").Whole(static_cast<std::uint32_t>(cabinet.faces.size()));
    w_.Add("<EDGES>").Whole(static_cast<std::uint32_t>(cabinet.faceEdges.size()));
    w_.Add("<ORIGIN>").Add("0").Add("0").Add("0").End();
    for (const model::Face& face : cabinet.faces.InAddedOrder()) {
      w_.Data();
      for (const model::Point3& vertex : face.vertices) AddPoint(vertex);
      AddColour(face.colour);
      w_.End();
    }
    EdgeLines(cabinet.faceEdges);
  }

  const model::DataSet& set_;
  const model::InfoRecord& info_;
  const TextWriteOptions& options_;
  const CompanionNames names_;
  std::string out_;
  LineBuilder w_;
};

std::string_view AsChars(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::string RealText(float value) {
  char text[32];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return std::string(text, ec == std::errc() ? end : text);
}

float ArcLevel(float stored, float onAxis) {
  // When some level read back gives `stored`, this sum is one: the reader's
  // difference rounds the same way back. No other float does better when it
  // does not.
  return stored + onAxis;
}

std::string WriteText(const model::DataSet& set, const TextWriteOptions& options) {
  return Writer(set, options, NamesFor(set, options, "")).Run();
}

bool WriteTextFile(const fs::path& path, const model::DataSet& set, const TextWriteOptions& options,
                   std::string& error) {
  const CompanionNames names = NamesFor(set, options, path.stem().string());
  const model::EmbeddedFile& info = set.cabinet.infoFile;
  const bool fir =
      set.HasPhaseData() && set.filter && set.filter->kind == model::FilterKind::FirWav;
  const std::vector<std::uint8_t> wav =
      fir ? wav::FloatWavImage(set.filter->taps, set.filter->sampleRate) : std::vector<std::uint8_t>{};
  struct Companion {
    bool present;
    const std::string& name;
    std::string_view ending;  // the reader takes a companion by the ending of its name
    std::string_view bytes;
  };
  const Companion companions[] = {
      {info.kind != model::EmbeddedKind::None, names.info,
       info.kind == model::EmbeddedKind::Pdf ? ".pdf" : ".txt", AsChars(info.bytes)},
      {(set.info->cabinetFlags & model::cabinet_flag::kDxf) != 0, names.dxf, ".dxf",
       AsChars(set.cabinet.dxfFile.bytes)},
      {fir, names.firWav, ".wav", AsChars(wav)}};
  // Companions first: the text never names a file that is not there yet.
  for (const Companion& companion : companions) {
    if (!companion.present) continue;
    if (!model::EndsWithIgnoringCase(companion.name, companion.ending)) {
      error = "The name " + companion.name + " does not end in " + std::string(companion.ending);
      return false;
    }
    if (!model::WriteFileAtomically(path.parent_path() / companion.name, companion.bytes, error)) return false;
  }
  return model::WriteFileAtomically(path, Writer(set, options, names).Run(), error);
}

}  // namespace zef::textformat
