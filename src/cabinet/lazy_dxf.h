#pragma once

#include <functional>
#include <string>

#include "cabinet/load_dxf_cabinet.h"
#include "model/data_set.h"
#include "model/message_sink.h"

namespace zef::cabinet {

// The drawing of a loaded set is parsed the first time its DXF cabinet is
// drawn, not when the file is read. One of these lives beside the loaded set
// and starts afresh with every load.
class LazyDxf {
 public:
  // Told each new progress line while a parse runs, so a window can show it.
  using Observer = std::function<void(const std::string&)>;
  LazyDxf() = default;
  explicit LazyDxf(Observer observer) : observer_(std::move(observer)) {}

  // Parses the set's drawing on the first call; later calls give the first
  // outcome again without parsing (a failed drawing is not read on every
  // redraw); only a drawing that could not be handed to the reader is tried
  // again. `debug` may be null.
  DxfLoadStatus Ensure(model::DataSet& set, model::MessageSink* debug);

  bool Parsed() const { return status_ == DxfLoadStatus::kLoaded; }
  // The parsing window's text line: the entity being read, then the failure.
  const std::string& DialogText() const { return dialogText_; }
  // The parsing window opens with the first parse and stays until one succeeds.
  bool DialogOpen() const { return dialogOpen_; }

 private:
  bool tried_ = false;
  DxfLoadStatus status_ = DxfLoadStatus::kNoDrawing;
  std::string dialogText_;
  bool dialogOpen_ = false;
  Observer observer_;
};

}  // namespace zef::cabinet
