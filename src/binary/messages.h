#pragma once

#include <cstddef>
#include <string_view>

#include "model/message_sink.h"
#include "model/regular_file.h"

namespace zef::binary {

// Why a binary read stopped. Every reader step gives one of these; the one
// exit path of a reader turns it into its line in the error list.
enum class Fault {
  None,
  InsufficientData,
  NotZef1,
  NotZef2,
  UnknownVersion,
  Zef1Draft,
  Zef2DraftV1,
  Zef2DraftV2,
  NotValid,
  Corrupt,
  MissingEmbedInfo,
  CabinetEdges,
  CabinetFaces,
  CabinetFaceEdges,
};

// The text of a fault as the error list shows it behind "File error:".
std::string_view MessageOf(Fault fault);

// The reader's message buffer holds this many characters with its zero.
inline constexpr std::size_t kMessageBufferSize = 101;

// "File error:" and the message, one line.
void ReportFault(model::MessageSink& errors, Fault fault);
// "Failed to open file:" and, on the next line, the name in parentheses; then
// why, when the file is no regular file or too large to be a binary.
void ReportOpenFailure(model::MessageSink& errors, std::string_view name,
                       model::OpenStatus why = model::OpenStatus::OpenFailed);
// "** Not a ZEF binary file: " and the name.
void ReportNotBinary(model::MessageSink& errors, std::string_view name);

}  // namespace zef::binary
