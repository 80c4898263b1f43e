#include "binary/messages.h"

#include <array>
#include <string>

#include "binary/byte_stream.h"

namespace zef::binary {
namespace {

struct Entry {
  Fault fault;
  std::string_view text;
};

// The version-1 and version-2 kinds word their draft messages differently;
// both wordings are what users of the files have always seen.
constexpr std::array kMessages{
    Entry{Fault::None, ""},
    Entry{Fault::InsufficientData, "file has insufficient data"},
    Entry{Fault::NotZef1, "not a ZEF1 binary distribution file"},
    Entry{Fault::NotZef2, "not a ZEF2 distribution binary file"},
    Entry{Fault::UnknownVersion, "unknown version"},
    Entry{Fault::Zef1Draft, "Draft v1 binary distribution files are no longer read."},
    Entry{Fault::Zef2DraftV1, "Draft v1 distribution binary files are no longer read."},
    Entry{Fault::Zef2DraftV2, "Draft v2 distribution binary files are no longer read."},
    Entry{Fault::NotValid, "file not a valid ZEF distribution binary"},
    Entry{Fault::Corrupt, "corrupt file"},
    Entry{Fault::MissingEmbedInfo, "file has insufficient data (missing file embed info)."},
    Entry{Fault::CabinetEdges, "file has insufficient cabinet edge data"},
    Entry{Fault::CabinetFaces, "file has insufficient cabinet face data"},
    Entry{Fault::CabinetFaceEdges, "file has insufficient cabinet face-edge data"},
};

}  // namespace

std::string_view MessageOf(Fault fault) {
  for (const Entry& e : kMessages) {
    if (e.fault == fault) return e.text.substr(0, kMessageBufferSize - 1);
  }
  return {};
}

void ReportFault(model::MessageSink& errors, Fault fault) {
  errors.WriteString("File error:");
  errors.WriteLine(MessageOf(fault));
}

void ReportOpenFailure(model::MessageSink& errors, std::string_view name, model::OpenStatus why) {
  errors.WriteLine("Failed to open file:");
  errors.WriteString("(");
  errors.WriteString(name);
  errors.WriteLine(")");
  if (why == model::OpenStatus::NotRegular) errors.WriteLine("not a regular file");
  if (why == model::OpenStatus::TooLarge) {
    errors.WriteLine("larger than " + std::to_string(kMaxBinaryFileSize) + " bytes");
  }
}

void ReportNotBinary(model::MessageSink& errors, std::string_view name) {
  errors.WriteString("** Not a ZEF binary file: ");
  errors.WriteLine(name);
}

}  // namespace zef::binary
