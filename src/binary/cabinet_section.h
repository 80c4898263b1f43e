#pragma once

#include "binary/byte_stream.h"
#include "binary/messages.h"
#include "model/cabinet_geometry.h"
#include "model/info_record.h"

namespace zef::binary {

// Reads the edge list (cabinet flag 4), then the face list and the face-edge
// list (flag 8). Points are stored as the file gives them.
Fault ReadCabinetSection(Input& in, const model::InfoRecord& info, model::CabinetGeometry& cabinet);

// Writes the lists the cabinet flags announce, oldest element first, so that a
// read gives each list back in the same order.
void WriteCabinetSection(ByteBuilder& out, const model::InfoRecord& info,
                         const model::CabinetGeometry& cabinet);

}  // namespace zef::binary
