#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/cabinet_geometry.h"
#include "model/message_sink.h"

namespace zef::cabinet {

// How the points of a drawing reach the cabinet frame.
struct DxfOptions {
  model::GeometryTransform transform;  // off: points are stored as read
};

// What a parse builds: the drawing's edges and faces, newest first like every
// cabinet list.
struct DxfLists {
  model::NodeList<model::Edge> edges;
  model::NodeList<model::Face> faces;
};

struct DxfResult {
  bool ok = false;
  std::string message;           // the reader's message when the parse failed
  std::uint64_t lineNumber = 0;  // lines read when the parse ended

  // The message as shown to users: " - line no " and the line number follow it
  // when that number is above 0.
  std::string FailureText() const;
};

// Parses an ASCII drawing held in memory. Entities read before a failure stay
// in the lists. `progress` (may be null) gets one line per entity: its name or
// polyline kind, " - " and the line counter; `debug` (may be null) gets the
// current code and value lines when the parse ends with "Unexpected error".
DxfResult ParseDxf(std::string_view text, const DxfOptions& options, model::MessageSink* progress,
                   DxfLists& lists, model::MessageSink* debug = nullptr);

// Parses a drawing from its file, reading it line by line.
DxfResult ParseDxfFile(const std::filesystem::path& path, const DxfOptions& options,
                       model::MessageSink* progress, DxfLists& lists,
                       model::MessageSink* debug = nullptr);

}  // namespace zef::cabinet
