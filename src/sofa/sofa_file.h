#pragma once

#include <filesystem>
#include <string>

#include "sofa/sofa_content.h"

namespace zef::sofa {

// Writes the balloon as a SOFA file (netCDF-4) through a temporary file in
// the same folder that replaces the target only when complete. False with
// `error` set when it cannot be written.
bool WriteSofaFile(const std::filesystem::path& target, const SofaBalloon& balloon,
                   std::string& error);

}  // namespace zef::sofa
