#pragma once

#include <string>

#include "app/data_set_holder.h"
#include "graphs/graph_window.h"
#include "gui/export_request.h"

namespace zef::gui {

// Draws into `window` the lower graph the viewer shows for the loaded file
// with the request's view, band, direction, options and range; numbers get a
// decimal comma when `decimalComma` is set. False with `error` set when the
// file has no such band or direction.
bool BuildLowerGraph(const ExportRequest& request, const app::DataSetHolder& holder,
                     bool decimalComma, graphs::GraphWindow& window, std::string& error);

}  // namespace zef::gui
