#include "cabinet/dxf_reader.h"

#include <cstdint>
#include <exception>
#include <vector>

#include "cabinet/dxf_messages.h"
#include "cabinet/entity_readers.h"
#include "model/regular_file.h"

namespace zef::cabinet {
namespace {

bool FindEntitiesSection(GroupReader& groups) {
  while (groups.Next()) {
    if (groups.Is(2, "ENTITIES")) return true;
  }
  return false;
}

bool ReadEntity(DxfParse& parse) {
  const std::string_view name = parse.Groups().Value();
  if (name == "POLYLINE") return ReadPolylineEntity(parse);
  parse.Progress(name, parse.Groups().LineCount());
  if (name == "3DFACE") return ReadFaceEntity(parse);
  if (name == "LINE") return ReadLineEntity(parse);
  if (name == "LWPOLYLINE") return ReadLwPolylineEntity(parse);
  return SkipEntity(parse);
}

// Reads the first ENTITIES section up to its ENDSEC.
bool ReadEntities(DxfParse& parse) {
  if (!FindEntitiesSection(parse.Groups())) return parse.Fail(message::kNoSection);
  do {
    if (!parse.Next(message::kMissingData)) return false;
  } while (parse.Code() != 0);
  while (!parse.ValueIs("ENDSEC")) {
    if (!ReadEntity(parse)) return false;
  }
  return true;
}

DxfResult Parse(LineSource& lines, const DxfOptions& options, model::MessageSink* progress,
                DxfLists& lists, model::MessageSink* debug) {
  GroupReader groups(lines);
  DxfParse parse(groups, options, progress, lists);
  DxfResult result;
  bool unexpected = false;
  try {
    result.ok = ReadEntities(parse);
    result.message = parse.Message();
    unexpected = parse.Unexpected();
  } catch (const std::exception&) {
    // Running out of memory on a huge drawing is the one fault left.
    result.message = message::kUnexpectedError;
    unexpected = true;
  }
  if (unexpected && debug) {
    debug->WriteLine(groups.CodeLine());
    debug->WriteLine(groups.Value());
  }
  result.lineNumber = groups.LineCount();
  return result;
}

}  // namespace

std::string DxfResult::FailureText() const {
  std::string text = message;
  if (lineNumber > 0) {
    text += message::kLineNumberJoin;
    text += std::to_string(lineNumber);
  }
  return text;
}

DxfResult ParseDxf(std::string_view text, const DxfOptions& options, model::MessageSink* progress,
                   DxfLists& lists, model::MessageSink* debug) {
  MemoryLines lines(text);
  return Parse(lines, options, progress, lists, debug);
}

DxfResult ParseDxfFile(const std::filesystem::path& path, const DxfOptions& options,
                       model::MessageSink* progress, DxfLists& lists, model::MessageSink* debug) {
  std::vector<std::uint8_t> bytes;
  const model::OpenStatus status = model::ReadRegularFile(path, model::kMaxDxfFileSize, bytes);
  if (status != model::OpenStatus::Ok) {
    DxfResult failed;
    failed.message = std::string(message::kFailedToOpen) + path.string();
    if (status == model::OpenStatus::NotRegular) failed.message += message::kNotRegular;
    if (status == model::OpenStatus::TooLarge) failed.message += message::kTooLarge;
    return failed;
  }
  return ParseDxf({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, options, progress,
                  lists, debug);
}

}  // namespace zef::cabinet
