#pragma once

#include <string_view>

// Every message of the drawing reader, in one place.
namespace zef::cabinet::message {

inline constexpr std::string_view kFailedToOpen = "Failed to open ";
inline constexpr std::string_view kNotRegular = ": not a regular file";
inline constexpr std::string_view kTooLarge = ": larger than 512000 bytes";
inline constexpr std::string_view kNoSection = "Neither BLOCKS nor ENTITIES section found";
inline constexpr std::string_view kMissingData = "missing data";
inline constexpr std::string_view kBadSkippedEntity = "Bad skipped entity";
inline constexpr std::string_view kBad3dFaceSection = "Bad 3DFACE section";
inline constexpr std::string_view kBad3dFaceCoordinate = "Bad 3DFACE coordinate value";
inline constexpr std::string_view kBadLineSection = "Bad LINE section";
inline constexpr std::string_view kBadLineCoordinate = "Bad LINE coordinate value";
inline constexpr std::string_view kFirstVertexMissing =
    "Bad POLYLINE section - first VERTEX missing";
inline constexpr std::string_view kBadPolylineExtrusion = "Bad POLYLINE extrude vector";
inline constexpr std::string_view kBadElevation = "Bad elevation";
inline constexpr std::string_view kBadVertexSection = "Bad VERTEX section";
inline constexpr std::string_view kBadVertexCoordinate = "Bad VERTEX coordinate value";
inline constexpr std::string_view kBadPolylineSection = "Bad POLYLINE section";
inline constexpr std::string_view kBadVertexFlag = "Bad VERTEX 70 flag";
inline constexpr std::string_view kBadPolyfaceIndex = "Bad VERTEX polyface index value";
inline constexpr std::string_view kPolyfaceIndexNotFound = "VERTEX polyface index not found";
inline constexpr std::string_view kBadLwPolyline = "Bad LWPOLYLINE";
inline constexpr std::string_view kBadLwPolylineElevation = "Bad LWPOLYLINE elevation value";
inline constexpr std::string_view kBadLwPolylineExtrusion = "Bad LWPOLYLINE extrude vector";
inline constexpr std::string_view kBadLwPolylineVertex = "Bad LWPOLYLINE vertex value";
inline constexpr std::string_view kUnexpectedError = "Unexpected error";

// Shown by the cabinet loader rather than the reader.
inline constexpr std::string_view kLineNumberJoin = " - line no ";
inline constexpr std::string_view kNoEntities = "No 3D entities found";
inline constexpr std::string_view kTempFileFailed =
    "Failed to save temporary file from embeded DXF";

}  // namespace zef::cabinet::message
