#pragma once

#include <filesystem>
#include <optional>

namespace zef::graphs {

enum class PictureFormat { kPng, kSvg, kPdf, kEmf };

// The format a file name asks for by its extension, in any case.
std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& path);

}  // namespace zef::graphs
