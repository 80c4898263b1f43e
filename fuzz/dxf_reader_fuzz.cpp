// The DXF reader on any bytes, from memory and from a file: both ways of
// reading must agree on everything they build and say.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cabinet/dxf_reader.h"
#include "fuzz_support.h"
#include "model/message_sink.h"

namespace {

using namespace zef;

constexpr std::array<std::string_view, 21> kMessages = {
    "Neither BLOCKS nor ENTITIES section found",
    "missing data",
    "Bad skipped entity",
    "Bad 3DFACE section",
    "Bad 3DFACE coordinate value",
    "Bad LINE section",
    "Bad LINE coordinate value",
    "Bad POLYLINE section - first VERTEX missing",
    "Bad POLYLINE extrude vector",
    "Bad elevation",
    "Bad VERTEX section",
    "Bad VERTEX coordinate value",
    "Bad POLYLINE section",
    "Bad VERTEX 70 flag",
    "Bad VERTEX polyface index value",
    "VERTEX polyface index not found",
    "Bad LWPOLYLINE",
    "Bad LWPOLYLINE elevation value",
    "Bad LWPOLYLINE extrude vector",
    "Bad LWPOLYLINE vertex value",
    "Unexpected error",
};
constexpr std::size_t kMostCorners = 4;

// The unit, origin and axis codes a cabinet gives, chosen by the input's size.
cabinet::DxfOptions OptionsFor(std::size_t size) {
  cabinet::DxfOptions options;
  if (size % 3 != 0) return options;
  const auto pick = static_cast<std::uint32_t>(size / 3);
  const std::uint32_t onAxis = pick % 6;
  const std::uint32_t up = (onAxis / 2 * 2 + 2 + (pick / 6) % 4) % 6;  // another axis
  options.transform.Set(model::kUnitLength[pick % 6], {0.1f, -0.2f, 0.3f}, onAxis, up);
  return options;
}

void CheckResult(const cabinet::DxfResult& result, const cabinet::DxfLists& lists,
                 std::string_view text) {
  if (result.ok) {
    fuzz::Require(result.message.empty(), "a parse that succeeds has no message");
  } else {
    fuzz::Require(std::find(kMessages.begin(), kMessages.end(), result.message) != kMessages.end(),
                  "a failed parse gives one of the reader's messages");
  }
  const auto lines = static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  fuzz::Require(result.lineNumber <= lines + 1, "the line counter stays within the text");
  fuzz::Require(lists.edges.size() <= text.size() && lists.faces.size() <= text.size(),
                "the lists grow no faster than the text");
  for (const model::Face& face : lists.faces) {
    fuzz::Require(face.vertices.size() <= kMostCorners, "a face has at most four corners");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::ScratchFile scratch(".dxf");
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const cabinet::DxfOptions options = OptionsFor(size);

  model::LineSink progress;
  cabinet::DxfLists lists;
  const cabinet::DxfResult result = cabinet::ParseDxf(text, options, &progress, lists);
  CheckResult(result, lists, text);
  for (const std::string& line : progress.Lines()) {
    fuzz::Require(line.find(" - ") != std::string::npos, "a progress line names the line counter");
  }

  model::LineSink fileProgress;
  cabinet::DxfLists fileLists;
  const cabinet::DxfResult fromFile =
      cabinet::ParseDxfFile(scratch.Write({data, size}), options, &fileProgress, fileLists);
  fuzz::Require(fromFile.ok == result.ok && fromFile.message == result.message &&
                    fromFile.lineNumber == result.lineNumber,
                "file and memory reads end the same way");
  fuzz::Require(
      fuzz::SameBits(fileLists.edges, lists.edges) && fuzz::SameBits(fileLists.faces, lists.faces),
      "file and memory reads build the same lists");
  fuzz::Require(fileProgress.Lines() == progress.Lines(), "file and memory reads report alike");
  return 0;
}
