#pragma once

#include <string>

#include "cli/json_writer.h"
#include "model/data_set.h"

namespace zef::cli {

// How the read went, as the dump reports it beside the data.
struct DumpStatus {
  int result = 0;          // 0 clean, 1 read with errors
  bool dataValid = false;  // the set may be distributed as a binary
};

// Writes the members of a data set into the object the writer has open, so a
// caller can add further members (derived figures) to the same object.
void WriteDataSetMembers(JsonWriter& json, const model::DataSet& set, const DumpStatus& status);

// The data set as one JSON document.
std::string DataSetJson(const model::DataSet& set, const DumpStatus& status, bool pretty);

}  // namespace zef::cli
