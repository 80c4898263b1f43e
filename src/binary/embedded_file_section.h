#pragma once

#include "binary/byte_stream.h"
#include "binary/messages.h"
#include "model/cabinet_geometry.h"

namespace zef::binary {

// Reads entries until an end entry (or a kind above 3) into the info-file and
// DXF slots; a second file for a filled slot is skipped.
Fault ReadEmbeddedFiles(Input& in, model::CabinetGeometry& cabinet);

// The info file and the DXF file the set carries, then the end entry.
void WriteEmbeddedFiles(ByteBuilder& out, const model::CabinetGeometry& cabinet);

}  // namespace zef::binary
