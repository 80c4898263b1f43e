#pragma once

#include "binary/byte_stream.h"
#include "binary/messages.h"
#include "model/data_set.h"

namespace zef::binary {

// The system-part record and, when the info record flags phase data, the
// phase block and the filter descriptor. A part the file cannot hold fails
// with the message of the section that follows it.
Fault ReadVersion2Extension(Input& in, model::DataSet& set);

// Writes what ReadVersion2Extension reads; missing blocks of a phase-flagged
// set go out as zeros and as a filter of kind none.
void WriteVersion2Extension(ByteBuilder& out, const model::DataSet& set);

}  // namespace zef::binary
