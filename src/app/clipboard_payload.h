#pragma once

#include <string>
#include <vector>

namespace zef::app {

// What one copy puts on the clipboard: plain text and/or data under MIME
// types, all offered at once so the pasting program takes the richest it
// understands.
struct ClipboardFormat {
  std::string mimeType;
  std::string bytes;
  bool operator==(const ClipboardFormat&) const = default;
};

struct ClipboardPayload {
  std::string text;  // empty: no text form
  std::vector<ClipboardFormat> formats;
  bool operator==(const ClipboardPayload&) const = default;
};

inline constexpr char kPngMime[] = "image/png";
inline constexpr char kSvgMime[] = "image/svg+xml";
// Programs that take metafiles look for one or the other name.
inline constexpr char kEmfMime[] = "image/emf";
inline constexpr char kEmfMimeOld[] = "image/x-emf";

inline ClipboardPayload TextPayload(std::string text) {
  return {std::move(text), {}};
}

// A graph as a picture (PNG) and as vector data (SVG, EMF with its footer).
inline ClipboardPayload GraphPayload(std::string png, std::string svg, const std::string& emf) {
  return {{},
          {{kPngMime, std::move(png)},
           {kSvgMime, std::move(svg)},
           {kEmfMime, emf},
           {kEmfMimeOld, emf}}};
}

}  // namespace zef::app
