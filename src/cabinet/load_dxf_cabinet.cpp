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

bool LoadDxfCabinet(model::DataSet& set, model::MessageSink& errors, model::MessageSink* progress,
                    model::MessageSink* debug) {
  model::CabinetGeometry& cabinet = set.cabinet;
  cabinet.dxfEdges.clear();
  cabinet.dxfFaces.clear();
  if ((set.info->cabinetFlags & model::cabinet_flag::kDxf) == 0) return true;
  const std::optional<model::GeometryTransform> transform = DxfTransformOf(*set.info);
  if (!transform) {
    errors.WriteLine(message::kUnexpectedError);
    return false;
  }
  DxfLists lists;
  const DxfResult result = ParseSetDrawing(set, DxfOptions{*transform}, progress, debug, lists);
  if (!result.ok) {
    errors.WriteLine(result.FailureText());
    return false;
  }
  if (lists.edges.empty() && lists.faces.empty()) {
    errors.WriteLine(message::kNoEntities);
    return false;
  }
  cabinet.dxfEdges = std::move(lists.edges);
  cabinet.dxfFaces = std::move(lists.faces);
  return true;
}

}  // namespace zef::cabinet
