#pragma once

#include <string>

#include "app/data_set_holder.h"
#include "app/export_request.h"
#include "graphs/graph_window.h"
#include "model/message_sink.h"

namespace zef::app {

// The views that are not lower graphs: the cabinet of the upper graph and
// the phase window's balloon and curves.
bool IsWindowPicture(ExportView view);

// Draws one of them for the loaded file into `window`. The DXF parsing
// window's text (a failed drawing) goes to `notes` as "dxf: " and the text.
// False with `error` set when the file cannot show what is asked.
bool BuildWindowPicture(const ExportRequest& request, DataSetHolder& holder,
                        graphs::GraphWindow& window, model::MessageSink& notes, std::string& error);

}  // namespace zef::app
