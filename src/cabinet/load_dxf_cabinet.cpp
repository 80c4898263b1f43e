#include "cabinet/load_dxf_cabinet.h"

#include "cabinet/dxf_messages.h"
#include "cabinet/dxf_reader.h"
#include "cabinet/temp_dxf_file.h"

namespace zef::cabinet {
namespace {

constexpr std::uint32_t kUnitCount = 6;
constexpr std::uint32_t kAxisCodeCount = 6;

DxfResult ParseSetDrawing(const model::DataSet& set, const DxfOptions& options,
                          model::MessageSink* progress, model::MessageSink* debug,
                          DxfLists& lists) {
  const model::CabinetGeometry& cabinet = set.cabinet;
  if (!cabinet.dxfPath.empty()) {
    return ParseDxfFile(cabinet.dxfPath, options, progress, lists, debug);
  }
  TempDxfFile file;
  if (!file.Write(cabinet.dxfFile.bytes)) {
    DxfResult failed;
    failed.message = message::kTempFileFailed;
    return failed;
  }
  return ParseDxfFile(file.Path(), options, progress, lists, debug);
}

}  // namespace

std::optional<model::GeometryTransform> DxfTransformOf(const model::InfoRecord& info) {
  if (info.dxfUnit >= kUnitCount || info.onAxisCode >= kAxisCodeCount ||
      info.upCode >= kAxisCodeCount || model::SameAxis(info.onAxisCode, info.upCode)) {
    return std::nullopt;
  }
  model::GeometryTransform transform;
  const float* o = info.dxfOrigin;
  transform.Set(model::kUnitLength[info.dxfUnit], {o[0], o[1], o[2]}, info.onAxisCode, info.upCode);
  return transform;
}

model::GeometryTransform UnitTransform(std::uint32_t unitCode) {
  model::GeometryTransform transform;
  transform.Set(model::kUnitLength[unitCode % kUnitCount], {}, model::kPlusX, model::kPlusZ);
  return transform;
}

DxfLoadResult ParseSetDxf(const model::DataSet& set, DxfLists& lists, model::MessageSink* progress,
                          model::MessageSink* debug) {
  lists = {};
  if ((set.info->cabinetFlags & model::cabinet_flag::kDxf) == 0) return {};
  const std::optional<model::GeometryTransform> transform = DxfTransformOf(*set.info);
  if (!transform) return {DxfLoadStatus::kFailed, std::string(message::kUnexpectedError)};
  const DxfResult result = ParseSetDrawing(set, DxfOptions{*transform}, progress, debug, lists);
  DxfLoadResult loaded{DxfLoadStatus::kLoaded, {}};
  if (!result.ok) {
    const bool temp = result.message == message::kTempFileFailed;
    loaded = {temp ? DxfLoadStatus::kTempFileFailed : DxfLoadStatus::kFailed, result.FailureText()};
  } else if (lists.edges.empty() && lists.faces.empty()) {
    loaded = {DxfLoadStatus::kFailed, std::string(message::kNoEntities)};
  }
  if (loaded.status != DxfLoadStatus::kLoaded) lists = {};
  return loaded;
}

DxfLoadResult LoadDxfLists(model::DataSet& set, model::MessageSink* progress,
                           model::MessageSink* debug) {
  DxfLists lists;
  const DxfLoadResult result = ParseSetDxf(set, lists, progress, debug);
  set.cabinet.dxfEdges = std::move(lists.edges);
  set.cabinet.dxfFaces = std::move(lists.faces);
  return result;
}

bool LoadDxfCabinet(model::DataSet& set, model::MessageSink& errors, model::MessageSink* progress,
                    model::MessageSink* debug) {
  const DxfLoadResult result = LoadDxfLists(set, progress, debug);
  if (!result.text.empty()) errors.WriteLine(result.text);
  return result.status == DxfLoadStatus::kLoaded || result.status == DxfLoadStatus::kNoDrawing;
}

}  // namespace zef::cabinet
