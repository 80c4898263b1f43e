#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cabinet/dxf_reader.h"
#include "model/data_set.h"
#include "model/message_sink.h"

namespace zef::cabinet {

// The transform that places a set's drawing in the cabinet frame: its unit,
// origin and axis codes. None when a code is out of range or both axis codes
// name the same axis (a binary is not checked for that).
std::optional<model::GeometryTransform> DxfTransformOf(const model::InfoRecord& info);

// The transform of a drawing in unit `unitCode` (0 mm ... 5 feet) with the
// origin and axes as drawn.
model::GeometryTransform UnitTransform(std::uint32_t unitCode);

// How parsing a set's drawing ended.
enum class DxfLoadStatus {
  kNoDrawing,       // the set has no DXF cabinet
  kLoaded,          // the DXF lists hold its entities
  kFailed,          // a parse error, or a drawing without any 3D entity
  kTempFileFailed,  // the embedded copy could not be written for the reader
};

struct DxfLoadResult {
  DxfLoadStatus status = DxfLoadStatus::kNoDrawing;
  std::string text;  // the failure as users read it; empty otherwise
};

// Parses the drawing of a set that has a DXF cabinet into `lists`, leaving
// the set as it is; `lists` is emptied unless it loads. `progress` and
// `debug` may be null.
DxfLoadResult ParseSetDxf(const model::DataSet& set, DxfLists& lists, model::MessageSink* progress,
                          model::MessageSink* debug);

// The same into the set's own DXF lists.
DxfLoadResult LoadDxfLists(model::DataSet& set, model::MessageSink* progress,
                           model::MessageSink* debug);

// Parses the drawing of a set that has a DXF cabinet into its DXF lists: from
// the file a text file named, else from the embedded copy through a
// temporary file. A failure, or a drawing without any 3D entity, is one line
// in `errors` and leaves both DXF lists empty. True when there is no drawing
// or it gave entities. `progress` and `debug` may be null (see ParseDxf).
bool LoadDxfCabinet(model::DataSet& set, model::MessageSink& errors,
                    model::MessageSink* progress = nullptr, model::MessageSink* debug = nullptr);

}  // namespace zef::cabinet
