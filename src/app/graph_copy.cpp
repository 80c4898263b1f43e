#include "app/graph_copy.h"

#include "app/picture_file_name.h"

namespace zef::app {

std::optional<GraphCopy> GraphCopyOf(int menuId) {
  if (menuId < 20 || menuId > 25) return std::nullopt;
  const int offset = (menuId - 20) % 3;
  return GraphCopy{menuId >= 23, static_cast<GraphOutput>(offset)};
}

graphs::FooterPlacement CopyFooter(bool upper, LowerView lower) {
  const bool centred = lower == LowerView::kPolars || lower == LowerView::kColorMaps;
  return !upper && centred ? graphs::FooterPlacement::kBottomRight
                           : graphs::FooterPlacement::kBottomCentre;
}

std::optional<ClipboardPayload> MetaPayload(const GraphRenderer& renderer,
                                            const graphs::GraphWindow& graph,
                                            graphs::FooterPlacement footer) {
  using graphs::PictureFormat;
  std::string emf = renderer.Render(graph, PictureFormat::kEmf, footer);
  if (emf.empty()) return std::nullopt;
  return GraphPayload(renderer.Render(graph, PictureFormat::kPng, footer),
                      renderer.Render(graph, PictureFormat::kSvg, footer), emf);
}

void CopyGraph(ShellPlatform& platform, const GraphRenderer& renderer,
               const graphs::GraphWindow& graph, GraphCopy copy, graphs::FooterPlacement footer,
               std::string_view currentFile) {
  switch (copy.output) {
    case GraphOutput::kBitmap: {
      // A bitmap that could not be made leaves the clipboard as it was.
      std::string png = renderer.Render(graph, graphs::PictureFormat::kPng, footer);
      if (!png.empty()) platform.SetClipboard({{}, {{kPngMime, std::move(png)}}});
      return;
    }
    case GraphOutput::kMeta:
      if (auto payload = MetaPayload(renderer, graph, footer)) {
        platform.SetClipboard(*payload);
        return;
      }
      break;
    case GraphOutput::kMetaFile: {
      // Without a file there is no name to propose (".EMF" alone would be a hidden file).
      const std::string proposed =
          currentFile.empty()
              ? std::string()
              : WithPictureExtension(currentFile, kPictureChoices.front().extension);
      const std::optional<SaveChoice> chosen = platform.ChooseSaveFile(proposed);
      if (!chosen) return;
      const std::string path =
          WithPictureExtension(chosen->path, ExtensionOfChoice(chosen->filter));
      std::string error;
      if (renderer.Write(graph, path, footer, error)) return;
      break;
    }
  }
  platform.ShowMessage(kPictureFailed);
}

}  // namespace zef::app
