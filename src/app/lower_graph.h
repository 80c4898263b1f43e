#pragma once

#include <string>

#include "app/data_set_holder.h"
#include "app/export_request.h"
#include "graphs/graph_window.h"

namespace zef::app {

// Draws into `window` the lower graph the viewer shows for the loaded file
// with the request's view, band, direction, options and range; numbers get a
// decimal comma when `decimalComma` is set. False with `error` set when the
// file has no such band or direction.
bool BuildLowerGraph(const ExportRequest& request, const DataSetHolder& holder, bool decimalComma,
                     graphs::GraphWindow& window, std::string& error);

}  // namespace zef::app
