#pragma once

#include <optional>
#include <string>

#include "cabinet/cabinet_kind.h"
#include "cabinet/lazy_dxf.h"
#include "graphs/option_set.h"
#include "model/data_set.h"
#include "model/message_sink.h"
#include "view3d/scene.h"

namespace zef::cabinet {

inline constexpr view3d::Colour kBackEdgeColour = 0xB4B4B4;
inline constexpr const char* kNoCabinet = "No CABINET info given";
inline constexpr const char* kDxfParseFailed = "DXF-parse failed";
inline constexpr const char* kScaleLabel = " 1 dm";

// Where the " 1 dm" label stands over the highest point z drawn: 0.07 above
// the next multiple of 0.1 above 1.2 x top.
double ScaleLabelHeight(float top);

struct CabinetDrawing {
  // A message box the shell shows (the embedded drawing could not be
  // written for the reader); nothing more was drawn.
  std::optional<std::string> messageBox;
};

// What the cabinet of a set is drawn from. The set is written to only when
// its DXF is parsed (its DXF lists).
struct CabinetInput {
  model::DataSet& set;
  CabinetKind kind = CabinetKind::kRectangular;
  graphs::OptionSet options;  // draw DXF faces filled
  LazyDxf& dxf;
  model::MessageSink& debug;  // triangulation and parser traces
};

// Rebuilds the object `slot` of the scene: the chosen representation, the
// scale label and, for format version 2, the reference point "MR".
CabinetDrawing DrawCabinet(view3d::Scene& scene, int slot, const CabinetInput& input);

// Rebuilds the object `slot` with the three axes, their ticks and labels.
void DrawCabinetAxes(view3d::Scene& scene, int slot);

}  // namespace zef::cabinet
