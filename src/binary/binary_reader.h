#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "binary/byte_stream.h"
#include "binary/header.h"
#include "model/data_set.h"
#include "model/message_sink.h"

namespace zef::binary {

// A distribution binary read into a new data set. The set is null when the
// read failed; its messages are in the error list then.
struct BinaryReadResult {
  std::unique_ptr<model::DataSet> set;
  BinaryHeader header{};  // the opening flow reads the writer mark and version from it
};

// Read a binary of the version-1 (.ZF1) or version-2 (.ZF2) kind from an open input.
BinaryReadResult ReadZf1(Input& in, model::MessageSink& errors);
BinaryReadResult ReadZf2(Input& in, model::MessageSink& errors);

// Open the chosen name with its extension replaced by ".ZF1" / ".ZF2" and read it.
BinaryReadResult ReadZf1File(const std::filesystem::path& chosen, model::MessageSink& errors);
BinaryReadResult ReadZf2File(const std::filesystem::path& chosen, model::MessageSink& errors);

enum class BinaryName { None, Zef1, Zef2 };
// Which reader a name asks for: ".ZF1" anywhere in it (ignoring case) before ".ZF2".
BinaryName BinaryNameKind(std::string_view name);

// Reads the binary the name asks for; "** Not a ZEF binary file: " for any other name.
BinaryReadResult ReadBinaryFile(const std::filesystem::path& chosen, model::MessageSink& errors);

// The name with the extension after its last folder separator cut off and
// `extension` appended.
std::filesystem::path WithExtension(const std::filesystem::path& name, std::string_view extension);

}  // namespace zef::binary
