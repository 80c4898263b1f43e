#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/clipboard_payload.h"
#include "app/shell_platform.h"
#include "app/shell_state.h"
#include "graphs/graph_window.h"
#include "graphs/metafile_footer.h"
#include "graphs/picture_format.h"

namespace zef::app {

// The Edit menu's graph commands: which graph and what becomes of it.
enum class GraphOutput { kBitmap, kMeta, kMetaFile };
struct GraphCopy {
  bool upper = false;  // the 3D graph; else the lower 2D graph
  GraphOutput output = GraphOutput::kBitmap;
  bool operator==(const GraphCopy&) const = default;
};

// Ids 20..25; none for any other.
std::optional<GraphCopy> GraphCopyOf(int menuId);

// Where the metafile footer stays clear of the drawing: bottom right under
// the centred polar diagrams and colour maps, bottom centre elsewhere.
graphs::FooterPlacement CopyFooter(bool upper, LowerView lower);

// Turns a graph into picture file contents (the footer goes into metafiles
// only); the viewer's draws with Qt.
class GraphRenderer {
 public:
  virtual ~GraphRenderer() = default;
  virtual std::string Render(const graphs::GraphWindow& graph, graphs::PictureFormat format,
                             graphs::FooterPlacement footer) const = 0;
  // Writes the format the name's extension asks for; false with `error` set.
  virtual bool Write(const graphs::GraphWindow& graph, const std::filesystem::path& path,
                     graphs::FooterPlacement footer, std::string& error) const = 0;
};

// A graph as "As Meta" offers it: PNG, SVG and the EMF with its footer;
// none when the metafile could not be made.
std::optional<ClipboardPayload> MetaPayload(const GraphRenderer& renderer,
                                            const graphs::GraphWindow& graph,
                                            graphs::FooterPlacement footer);

// Runs a graph command on the picture shown: a bitmap as PNG; a metafile as
// PNG, SVG and EMF at once; "To Meta File..." through the save dialog,
// proposing the loaded file's name. A failed metafile tells the user.
void CopyGraph(ShellPlatform& platform, const GraphRenderer& renderer,
               const graphs::GraphWindow& graph, GraphCopy copy, graphs::FooterPlacement footer,
               std::string_view currentFile);

}  // namespace zef::app
