#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "case_file.h"
#include "textformat/balloon_completion.h"
#include "textformat/keyword_groups.h"
#include "textformat/measurement_date.h"
#include "textformat/minimal_file.h"
#include "wav/wav_image.h"

// Runs the case files of cases/ (keyword groups, reader calls, line scanner,
// dates, balloon completion): each line names the steps to run, how the set
// starts, the lines read, and the result, messages and values the steps must
// leave. Steps, setups and probes are explained where they are made below.
namespace zef::textformat {
namespace {

using model::TextOf;
namespace wave = wav::testing;

// The files the data files of the cases name, beside the data file.
struct Companions : wave::TempDir {
  Companions() {
    Write("cab.dxf", std::string(512000, 'x'));
    Write("big.dxf", std::string(512001, 'x'));
    Write("info.txt", "Plain notes\r\n");
    Write("sub/Sheet.pdf", "%PDF-1.4");
    Write("max.txt", std::string(204800, 'x'));
    Write("big.txt", std::string(204801, 'x'));
    Write("fir16.wav", wave::SimpleWave({}, wave::Le(2, {16384, -32768, 1})));
    Write("sub/fir24.wav", wave::SimpleWave({.bits = 24}, wave::Le(3, {-8388608, 4194304})));
    Write("FirFloat.WAV",
          wave::SimpleWave({.tag = wave::kTagFloat, .bits = 32}, wave::LeFloat({0.5f, -0.25f})));
    Write("stereo.wav", wave::SimpleWave({.channels = 2}, wave::Le(2, {1, 2})));
    Write("eight.wav", wave::SimpleWave({.bits = 8}, {1, 2}));
    for (const char* pipe : {"pipe.dxf", "pipe.txt", "pipe.wav"})
      EXPECT_EQ(::mkfifo(Path(pipe).c_str(), 0600), 0);
  }
};
const Companions& Folder() {
  static const Companions folder;
  return folder;
}

std::string Num(double v, const char* format = "%g") {
  char text[32];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

template <typename Values>
std::string Join(const Values& values) {
  std::string out;
  for (const auto v : values) out += (out.empty() ? "" : " ") + Num(v);
  return out;
}

// ---- Input texts. "{name}" stands for a definition ("=name | text"), and
// "{name:LINE;LINE}" for it with the lines of the same keywords replaced;
// "{rep N v}", "{seq N start step}" and "{arcs LINES POINTS [start]}" make
// repeated values, "{fill N c}" N times c, "{char N}" character N, and "{dir}" is the companion
// files' folder, Windows style.
using Definitions = std::map<std::string, std::string>;

std::string Expand(std::string_view text, const Definitions& defs);

std::string KeywordOf(std::string_view line) {
  return std::string(line.substr(0, line.find('\t')));
}

std::string Piece(const std::string& pattern, const Definitions& defs) {
  std::istringstream words(pattern);
  std::string name;
  words >> name;
  double n = 0, a = 0, b = 1;
  words >> n >> a;
  if (!(words >> b)) b = 1;
  std::string out;
  if (name == "dir") {
    out = Folder().Path("").string();
    for (char& c : out) c = c == '/' ? '\\' : c;
  } else if (name == "fill") {
    out.assign(static_cast<std::size_t>(n), pattern.back());
  } else if (name == "char") {
    out = std::string(1, static_cast<char>(n));
  } else if (name == "rep") {
    for (int i = 0; i < n; ++i) out += (i ? "\t" : "") + pattern.substr(pattern.rfind(' ') + 1);
  } else if (name == "seq") {
    for (int i = 0; i < n; ++i) out += (i ? "\t" : "") + Num(a + i * b);
  } else if (name == "arcs") {  // line i holds (i + 1)·(start + p) at point p
    for (int i = 0; i < n; ++i, out += "\n")
      for (int p = 0; p < a; ++p) out += (p ? "\t" : "") + Num((i + 1) * (b + p));
  } else {
    const std::size_t colon = pattern.find(':');
    const auto definition = defs.find(pattern.substr(0, colon));
    if (definition == defs.end()) {
      ADD_FAILURE() << "no definition " << pattern;
      return "";
    }
    std::string base = Expand(definition->second, defs);
    if (colon == std::string::npos) return base;
    std::istringstream replacements(Expand(pattern.substr(colon + 1), defs));
    for (std::string line; std::getline(replacements, line, ';');) {
      std::string text;
      std::istringstream lines(base);
      for (std::string old; std::getline(lines, old);)
        text += (KeywordOf(old) == KeywordOf(line) ? line : old) + "\n";
      base = text;
    }
    return base;
  }
  return out;
}

std::string Expand(std::string_view text, const Definitions& defs) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::size_t close = i;
    for (int depth = 0; text[i] == '{' && close < text.size(); ++close) {
      depth += text[close] == '{' ? 1 : text[close] == '}' ? -1 : 0;
      if (depth == 0) break;
    }
    if (close == i || close == text.size()) {
      out += text[i];
      continue;
    }
    out += Piece(std::string(text.substr(i + 1, close - i - 1)), defs);
    i = close;
  }
  return out;
}

// Numbers, then a text when there is one.
std::string Then(const std::string& numbers, std::string_view text) {
  return text.empty() ? numbers : numbers + " " + std::string(text);
}

// ---- What a case leaves: the set, the reader's state and a step's own output.
struct Run {
  std::string input;  // the lines as given, line ends not yet CR-LF
  std::unique_ptr<model::DataSet> set;
  ReadState state;
  std::string out;
  std::vector<float> scratch = std::vector<float>(10, -1.0f);
  std::vector<float> band;  // one band's balloon, for the completion steps
  PolarCurves curves;
};

// The start of the set: "zef2", "bands=A-B", "v=N", "block" (phase block),
// "phase" (version 2 with phase data), "flags=X" (hex, added), "type=N",
// "maxin=KIND,METHOD", "holder" (axis codes +Y/+X, reference text "old"),
// "volt=V" (every input voltage), "sphase=BAND,V", and for the reader "deg"
// (phases in degrees), "comma" (decimal comma) and "dir" (the data file in Folder()).
void Prepare(std::istringstream setup, Run& run, ReadOptions& options, std::string& source) {
  for (std::string t; setup >> t;) {
    model::DataSet& s = *run.set;
    unsigned x = 0, y = 0;
    if (t == "zef2" || t == "-") {
    } else if (std::sscanf(t.c_str(), "bands=%u-%u", &x, &y) == 2) {
      s.data.MinBand() = x;
      s.data.MaxBand() = y;
    } else if (std::sscanf(t.c_str(), "v=%u", &x) == 1) {
      s.version = x;
    } else if (t == "block" || t == "phase") {
      s.phase = std::make_unique<model::PhaseBlock>();
      if (t == "phase") s.version = 2, s.info->presenceFlags |= model::presence::kPhaseData;
    } else if (std::sscanf(t.c_str(), "flags=%x", &x) == 1) {
      s.info->presenceFlags |= x;
    } else if (std::sscanf(t.c_str(), "type=%u", &x) == 1) {
      s.info->type = static_cast<model::SpeakerType>(x);
    } else if (std::sscanf(t.c_str(), "maxin=%u,%u", &x, &y) == 2) {
      s.info->maxInputKind = static_cast<model::MaxInputKind>(x);
      s.info->maxInputMethod = static_cast<model::TestMethod>(y);
    } else if (t == "holder") {
      s.info->onAxisCode = model::kPlusY;
      s.info->upCode = model::kPlusX;
      model::SetText(s.systemPart.referenceText, "old");
    } else if (std::sscanf(t.c_str(), "volt=%u", &x) == 1) {
      for (float& v : s.data.Array(model::PerBand::InputVoltage)) v = static_cast<float>(x);
    } else if (std::sscanf(t.c_str(), "sphase=%u,%u", &x, &y) == 2) {
      s.phase->sensitivity[x] = static_cast<float>(y);
    } else if (t == "deg") {
      run.state.phaseInDegrees = true;
    } else if (t == "comma") {
      options.decimalComma = true;
    } else if (t == "dir") {
      source = Folder().Path("speaker.txt").string();
    } else {
      ADD_FAILURE() << "unknown setup " << t;
    }
  }
}

// Scanner steps: each adds what it gives to `out`, fields over 32 characters by their size.
bool Scan(LineScanner& scanner, const std::string& step, std::string& out) {
  static const char* const kStatus[] = {"ok", "end", "not keyword", "no values"};
  static const char* const kFirst[] = {"ok", "no tag", "not crlf", "end"};
  std::string tag, given;
  if (step == "first") given = kFirst[static_cast<int>(scanner.ReadFirstLine(tag))];
  if (step == "keyword") {
    const LineScanner::Status status = scanner.ReadKeyword();
    given = Then(kStatus[static_cast<int>(status)],
                 status == LineScanner::Status::Ok ? scanner.Keyword() : "");
  }
  if (step == "values" || step == "data") {
    given =
        kStatus[static_cast<int>(step == "data" ? scanner.ReadDataLine() : scanner.ReadValues())];
    for (const std::string_view v : scanner.Values())
      given +=
          (v.size() > 32 ? " (" + std::to_string(v.size()) + ")" : " [" + std::string(v) + "]");
  }
  if (step == "line") given = "line " + std::to_string(scanner.LineNumber());
  if (!given.empty()) out += (out.empty() ? "" : "; ") + given;
  return true;
}

// Completion steps on one band of the set's grid, outside any reader: "blank" (every value
// -999), "mark SYM" (the arcs SYM reads get 100·arc + p at point p), "complete SYM",
// "order SYM [reversed]" (the arcs read, to `out`), "planes" (arc 0 at -p dB, 2Q at -2p,
// Q at -3p, 3Q at -20), "curves" and "polar" (the polar completion).
void Complete(Run& run, const std::string& name, const std::string& arg) {
  static const std::vector<std::string> kSymmetries = {"full", "vertical",   "horizontal",
                                                       "none", "rotational", "polar"};
  const model::Grid& grid = run.set->GetGrid();
  const auto symmetry = static_cast<model::Symmetry>(
      std::find(kSymmetries.begin(), kSymmetries.end(), arg.substr(0, arg.find(' '))) -
      kSymmetries.begin());
  if (name == "blank") run.band.assign(static_cast<std::size_t>(grid.arcs * grid.points), -999);
  for (const int a : name == "mark" ? ArcsToRead(symmetry, false, grid) : std::vector<int>{})
    for (int p = 0; p < grid.points; ++p) ArcOf(run.band, grid, a)[p] = 100.0f * a + p;
  if (name == "complete") CompleteBySymmetry(symmetry, run.band, grid);
  if (name == "order")
    for (const int a : ArcsToRead(symmetry, arg.ends_with(" reversed"), grid))
      run.out += (run.out.empty() ? "" : " ") + std::to_string(a);
  for (int p = 0; name == "planes" && p < grid.points; ++p) {
    const int q = grid.Quarter();
    ArcOf(run.band, grid, 0)[p] = static_cast<float>(-p);
    ArcOf(run.band, grid, 2 * q)[p] = static_cast<float>(-2 * p);
    ArcOf(run.band, grid, q)[p] = static_cast<float>(-3 * p);
    ArcOf(run.band, grid, 3 * q)[p] = -20.0f;
  }
  if (name == "curves") run.curves = BuildPolarCurves(run.band, grid);
  if (name == "polar") CompletePolar(run.band, grid);
}

// ---- Steps, joined by "+": the keyword groups, "expect K" and "with K" (a
// keyword line, with values), and reader calls whose outcome goes to `out`.
bool Step(Reader& r, Run& run, const std::string& step) {
  const std::string name = step.substr(0, step.find(' '));
  const std::string arg =
      step.find(' ') == std::string::npos ? "" : step.substr(step.find(' ') + 1);
  float lo = 0, hi = 0;
  std::sscanf(arg.c_str(), "%f %f", &lo, &hi);
  std::uint32_t u = 0;
  std::int32_t i = 0;
  float v = 0;
  char text[256], small[8];
  if (name == "ident") return ReadIdentification(r);
  if (name == "bands") return ReadBandRange(r);
  if (name == "measure") return ReadMeasurement(r);
  if (name == "ea") return ReadElectroAcoustic(r);
  if (name == "filter") return ReadFilter(r);
  if (name == "radiation") return ReadRadiation(r);
  if (name == "axial") return ReadAxialSpectrum(r);
  if (name == "balloon") return ReadBalloon(r);
  if (name == "cabinet") return ReadCabinet(r);
  if (name == "expect") return r.ExpectKeyword(arg);
  if (name == "with") return r.ExpectKeywordWithValues(arg);
  if (name == "value") return r.NextValue();
  static const std::string kOthers =
      " perband allowed realistic real unsigned integer text breaks text8 visible nodata"
      " nonfatal try zeros date blank mark complete order planes curves polar first keyword"
      " values data line ";
  if (kOthers.find(" " + name + " ") == std::string::npos) ADD_FAILURE() << "no step " << name;
  if (name == "real") run.out = r.ToReal(v) ? Num(v) : "refused";
  if (name == "unsigned") run.out = r.ToUnsigned(u) ? std::to_string(u) : "refused";
  if (name == "integer") run.out = r.ToInteger(i) ? std::to_string(i) : "refused";
  if (name == "text" || name == "breaks") r.ToText(text, name == "breaks");
  if (name == "text8") r.ToText(small), model::SetText(text, TextOf(small));
  if (name.starts_with("text") || name == "breaks") run.out = "'" + std::string(TextOf(text)) + "'";
  if (name == "visible") run.out = HasVisibleText(r.Value()) ? "visible" : "invisible";
  if (name == "perband") return r.ReadPerBand("<K>", run.scratch);
  if (name == "allowed") return r.CheckAllowedRange("<K>", run.scratch, lo, hi);
  if (name == "realistic") return r.CheckRealisticRange("<K>", run.scratch, lo, hi);
  if (name == "nodata") run.out = r.RemainingAllNoData() ? "all" : "not all";
  if (name == "nonfatal") r.NonFatal(arg, " value expected");
  if (name == "try") {
    const Reader::Probe probe = r.TryKeyword(arg);
    run.out = Then("match\0other\0ended\0failed" + 6 * static_cast<int>(probe), r.Keyword());
  }
  if (name == "zeros") {
    std::vector<float> spectrum(30, 1.0f);
    spectrum[7] = spectrum[9] = 0.0f;
    r.WarnZeroValues("<AXIAL-SPECTRUM>", spectrum);
  }
  if (name == "date") {
    const DateCheck check = CheckMeasurementDate(run.input);
    run.out = (check.valid ? "valid " : "refused ") + check.text;
  }
  Complete(run, name, arg);
  return Scan(r.Scanner(), name, run.out);
}

// "Error on line: nnnn" and the message after it as "@n message"; other lines as they are.
std::string Compact(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out += i ? "\n" : "";
    int line = 0;
    char prefix[32] = "";
    if (std::sscanf(lines[i].c_str(), "Error on line: %d", &line) == 1)
      std::snprintf(prefix, sizeof prefix, "Error on line: %4d", line);
    if (lines[i] == prefix && i + 1 < lines.size()) {
      out += "@" + std::to_string(line) + lines[++i];
    } else {
      out += lines[i];
    }
  }
  return out;
}

std::string Points(const std::vector<model::Point3>& points) {
  std::string out;
  for (const model::Point3& p : points)
    out += (out.empty() ? "" : " ") + Num(p.x) + "," + Num(p.y) + "," + Num(p.z);
  return out;
}

std::string Edges(const model::NodeList<model::Edge>& edges) {
  std::string out;
  for (const model::Edge& e : edges) {
    char colour[16];
    std::snprintf(colour, sizeof colour, " #%06x", e.colour);
    out += (out.empty() ? "" : "; ") + Points({e.first, e.second}) + colour;
  }
  return out;
}

using Args = std::vector<int>;

std::string Ints(std::initializer_list<std::uint32_t> values) {
  std::string out;
  for (const std::uint32_t v : values) out += (out.empty() ? "" : " ") + std::to_string(v);
  return out;
}
template <typename E>
std::uint32_t N(E e) {
  return static_cast<std::uint32_t>(e);
}
std::string Texts(std::initializer_list<std::string_view> texts) {
  std::string out;
  for (const std::string_view t : texts) out += "|" + std::string(t);
  return out.substr(1);
}
std::string Hex(std::uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", v);
  return text;
}
std::string Faces(const model::NodeList<model::Face>& faces) {
  std::string out;
  for (const model::Face& f : faces)
    out += (out.empty() ? "" : "; ") + Points(f.vertices) + " #" + Hex(f.colour).substr(2);
  return out;
}
// Per arc of a band: the marked line it holds (see "{arcs}"), x for none, ! when its
// on-axis point was not separated.
std::string Marked(const model::DataRecord& data, int band) {
  std::string out;
  for (int arc = 0; arc < data.GetGrid().arcs; ++arc) {
    const float line = data.OnAxis(band, arc);
    const auto points = data.Arc(band, arc);
    out += (arc ? " " : "") + (points[0] != 0 ? "!" : points[4] == 4 * line ? Num(line) : "x");
  }
  return out;
}
// The arcs the levels of a band were turned by against the on-axis table.
std::string Turn(const model::DataRecord& data, int band) {
  const int arcs = data.GetGrid().arcs;
  for (int steps = 0; steps < arcs; ++steps) {
    int a = 0;
    while (a < arcs && data.Arc(band, (a + steps) % arcs)[2] == 2 * data.OnAxis(band, a)) ++a;
    if (a == arcs) return std::to_string(steps);
  }
  return "none";
}

// Per arc of the completion band: the arc whose marked values it holds, "-" when unset, else x.
std::string Sources(std::span<float> band, const model::Grid& grid) {
  std::string out;
  for (int a = 0; a < grid.arcs; ++a) {
    const auto arc = ArcOf(band, grid, a);
    bool marked = true;
    for (int p = 0; p < grid.points; ++p) marked = marked && arc[p] == arc[0] + p;
    out += (a ? " " : "") + (arc[0] == -999 ? "-" : marked ? Num(arc[0] / 100) : "x");
  }
  return out;
}

// ---- Values a case names after the messages. Enumerations and codes are numbers.
std::string Probe(const Run& run, const std::string& n, const Args& a) {
  const model::DataSet& s = *run.set;
  const model::InfoRecord& i = *s.info;
  const model::SystemPartRecord& part = s.systemPart;
  const model::CabinetGeometry& cab = s.cabinet;
  const std::string dir = Folder().Path("").string();
  const model::Grid& grid = s.GetGrid();
  if (n == "out") return run.out;

  std::vector<float> band = run.band;  // ArcOf takes a band it may write to
  if (n == "band") return Join(ArcOf(band, grid, a[0]));
  if (n == "sources") return Sources(band, grid);
  if (n == "unset") return std::to_string(std::count(run.band.begin(), run.band.end(), -999.0f));
  if (n == "vcurve") return Join(run.curves.vertical);
  if (n == "hcurve") return Join(run.curves.horizontal);
  if (n == "lookup") return Num(PolarLookup(run.curves.vertical, a[0], grid.stepDeg), "%.6f");
  if (n == "value") return Num(PolarValue(run.curves, a[0], a[1], grid.stepDeg), "%.6f");
  if (n == "scratch") return Join(run.scratch);
  if (n == "bands") return Ints({s.data.MinBand(), s.data.MaxBand()});
  if (n == "phase") return Ints({s.HasPhaseData(), run.state.phaseInDegrees});
  if (n == "version") return Ints({s.version, s.draft, s.phase != nullptr});
  if (n == "flags") return Hex(i.presenceFlags);
  if (n == "sens") return Join(s.data.Array(model::PerBand::Sensitivity));
  if (n == "imp") return Join(s.data.Array(model::PerBand::Impedance));
  if (n == "volt") return Join(s.data.Array(model::PerBand::InputVoltage));
  if (n == "impfig")
    return Join(std::vector{i.meanImpedance, s.impedance.lowest, s.impedance.reducedLowest});
  if (n == "maxin")
    return Ints({N(i.maxInputKind), N(i.maxInputMethod)}) + " " + Num(i.maxInputValue);
  if (n == "custom") return Join(i.customSpectrum);
  if (n == "axial") return Join(i.axialSpectrum);
  if (n == "weight") return Num(i.weight);
  if (n == "distance") return Num(i.measurementDistance);
  if (n == "type") return Then(Ints({N(i.type)}), TextOf(i.typeInfo));
  if (n == "names")
    return Texts({TextOf(i.modelName), TextOf(i.manufacturer), TextOf(i.webSite),
                  TextOf(i.description), TextOf(i.colors), TextOf(i.mounting)});
  if (n == "measurement")
    return Texts({TextOf(i.measurementContact), TextOf(i.measurementEmail),
                  TextOf(i.measurementDate), TextOf(i.measurementNote),
                  TextOf(i.measurementEnvironment)});
  if (n == "infos")
    return Texts({TextOf(i.sensitivityInfo), TextOf(i.impedanceInfo), TextOf(i.methodInfo),
                  TextOf(i.axialSpectrumInfo)});
  if (n == "part") return Then(Ints({part.part, part.parts}), TextOf(part.partText));
  if (n == "ref") return Then(Join(part.referencePoint), TextOf(part.referenceText));
  if (n == "infofile")
    return std::to_string(N(cab.infoFile.kind)) + ":" +
           (cab.infoFile.Size() <= 64
                ? std::string(cab.infoFile.bytes.begin(), cab.infoFile.bytes.end())
                : std::to_string(cab.infoFile.Size()) + " bytes");
  if (n == "balloon") return Ints({N(i.radiation), N(i.symmetry), N(i.balloonRef)});
  std::vector<float> onAxis;
  for (int arc = 0; arc < s.GetGrid().arcs && !a.empty(); ++arc)
    onAxis.push_back(s.data.OnAxis(a[0], arc));
  if (n == "onaxis") return Join(onAxis);
  if (n == "arc") return Join(s.data.Arc(a[0], a[1]));
  if (n == "marked") return Marked(s.data, a[0]);
  if (n == "turn") return Turn(s.data, a[0]);
  if (n == "axes") return Ints({i.onAxisCode, i.upCode});
  if (n == "cabinet") return Hex(i.cabinetFlags);
  if (n == "boxes") return Join(i.rectangular) + " / " + Join(i.trapezoidal);
  if (n == "edges") return Edges(cab.edges);
  if (n == "faceedges") return Edges(cab.faceEdges);
  if (n == "faces") return Faces(cab.faces);
  if (n == "dxf")
    return Ints({N(cab.dxfFile.kind), cab.dxfFile.Size(), i.dxfUnit}) + " " + Join(i.dxfOrigin) +
           " " +
           (cab.dxfPath.starts_with(dir) ? "DIR/" + cab.dxfPath.substr(dir.size()) : cab.dxfPath) +
           " " + Ints({N(cab.edges.size() + cab.dxfEdges.size())});
  if (n == "xf")
    return Points({cab.transform.Apply(model::Point3{float(a[0]), float(a[1]), float(a[2])})});
  if (s.phase && n == "sphase") return Join(s.phase->sensitivity);
  if (s.phase && n == "phasearc") return Join(s.phase->balloon[a[0]][a[1]]);
  if (s.filter && n == "filter") return Ints({N(s.filter->kind), s.filter->sampleRate});
  if (s.filter && n == "freal") return Join(s.filter->real);
  if (s.filter && n == "fimag") return Join(s.filter->imag);
  if (s.filter && n == "taps") return Join(s.filter->taps);
  return "no " + n;
}

// "name(args)[from-to]=expected": the probe's value, items from..to of it when asked.
void ExpectProbe(const Run& run, const std::string& field, const std::string& where) {
  const std::size_t equals = field.find('=');
  const std::string key = field.substr(0, equals);
  const std::string name = key.substr(0, key.find_first_of("(["));
  Args args;
  if (const std::size_t open = key.find('('); open != std::string::npos) {
    std::istringstream list(key.substr(open + 1));
    for (std::string n; std::getline(list, n, ',');) args.push_back(std::stoi(n));
  }
  std::string value = Probe(run, name, args);
  if (const std::size_t open = key.find('['); open != std::string::npos) {
    int from = 0, to = -1;
    if (std::sscanf(key.c_str() + open, "[%d-%d]", &from, &to) == 1) to = from;
    std::istringstream items(value);
    value.clear();
    std::string item;
    for (int k = 0; items >> item && k <= to; ++k)
      if (k >= from) value += (k > from ? " " : "") + item;
  }
  EXPECT_EQ(value, field.substr(equals + 1)) << where << ": " << key;
}

// One case: "steps | setup | input | result | messages | probe=value...".
void RunCase(const zef::testing::Case& c, Definitions& defs) {
  SCOPED_TRACE(c.where);
  ASSERT_GE(c.fields.size(), c[0].starts_with("=") ? 2u : 4u);
  if (c[0].starts_with("=")) {
    defs[c[0].substr(1)] = c[1];
    return;
  }
  const auto field = [&](std::size_t k) { return c.fields.size() > k && c[k] != "-" ? c[k] : ""; };
  const bool zef2 = (" " + c[1] + " ").find(" zef2 ") != std::string::npos;
  Run run;
  run.set =
      std::make_unique<model::DataSet>(zef2 ? model::FormatKind::Zef2 : model::FormatKind::Zef1);
  ReadOptions options;
  std::string source = "/nonexistent/test.txt";
  Prepare(std::istringstream(c[1]), run, options, source);
  run.input = Expand(field(2), defs);
  const std::string text = testing::Crlf(run.input);
  model::LineSink sink;
  Reader reader(text, source, sink, options, *run.set);
  reader.Scanner().SetLineNumber(1);
  reader.State() = run.state;
  bool ok = true;
  std::istringstream steps(c[0]);
  for (std::string step; ok && std::getline(steps, step, '+');) ok = Step(reader, run, step);
  run.state = reader.State();
  EXPECT_EQ(std::to_string(reader.Result()), c[3]) << c.where;
  EXPECT_EQ(ok, reader.Result() != kReadFailed) << c.where;
  EXPECT_EQ(Compact(sink.Lines()), field(4)) << c.where;
  for (std::size_t k = 5; k < c.fields.size(); ++k) ExpectProbe(run, c[k], c.where);
}

class KeywordCases : public ::testing::TestWithParam<const char*> {};

TEST_P(KeywordCases, ReadAsTheFileSays) {
  Definitions defs;
  for (const zef::testing::Case& c :
       zef::testing::ReadCases(std::string("textformat/cases/") + GetParam() + ".txt"))
    RunCase(c, defs);
}

INSTANTIATE_TEST_SUITE_P(Groups, KeywordCases,
                         ::testing::Values("reader", "completion", "electroacoustic",
                                           "identification", "filter", "balloon", "cabinet"));

}  // namespace
}  // namespace zef::textformat
