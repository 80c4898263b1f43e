#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/data_set_holder.h"
#include "app/export_request.h"
#include "graphs/font_metrics.h"
#include "graphs/graph_window.h"
#include "graphs/picture.h"
#include "graphs/sheet_notes.h"
#include "model/message_sink.h"

namespace zef::app {

// Why the request's files cannot be used, before anything is read or
// written: the data file must be a regular file (never a device or a pipe
// that reads forever) of at most 64 MiB, and an output that exists must be
// a regular file this user may write (it is replaced, never a read-only one).
std::optional<std::string> RefuseExportFiles(const ExportRequest& request);

// "Maker Model – Polar diagram, 1 kHz – re on-axis": who made what, the
// view, its band and the reference; `graphTitle` is what a framed view's
// frame says. Texts of the file in Latin-1 come out as UTF-8.
std::string ExportCaption(const ExportRequest& request, const model::DataSet& set,
                          std::optional<int> band, std::string_view graphTitle);

// The picture `zefview --export` writes: the lower graph laid out in drawing
// units and, unless bare, its caption and colour key.
class ExportSheet {
 public:
  // Null with `error` set when the file has no such band or direction. The
  // holder's set gets its DXF lists when its DXF cabinet is drawn.
  static std::unique_ptr<ExportSheet> Build(const ExportRequest& request, DataSetHolder& holder,
                                            bool decimalComma, const graphs::FontMetrics& metrics,
                                            model::MessageSink& errors, std::string& error);

  ExportSheet(int width, int height, const graphs::FontMetrics& metrics,
              model::MessageSink& errors);

  graphs::Picture Picture() const { return picture_; }
  const graphs::GraphWindow& Graph() const { return graph_; }
  const graphs::GraphWindow& Notes() const { return notes_; }

 private:
  graphs::GraphWindow graph_;
  graphs::GraphWindow notes_;
  graphs::Picture picture_;
};

}  // namespace zef::app
