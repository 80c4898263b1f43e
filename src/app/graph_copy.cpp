#include "app/graph_copy.h"

#include "app/clipboard_payload.h"
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

void CopyGraph(ShellPlatform& platform, const GraphRenderer& renderer,
               const graphs::GraphWindow& graph, GraphCopy copy, graphs::FooterPlacement footer,
               std::string_view currentFile) {
  using graphs::PictureFormat;
  const auto render = [&](PictureFormat format) { return renderer.Render(graph, format, footer); };
  switch (copy.output) {
    case GraphOutput::kBitmap: {
      // A bitmap that could not be made leaves the clipboard as it was.
      std::string png = render(PictureFormat::kPng);
      if (!png.empty()) platform.SetClipboard({{}, {{kPngMime, std::move(png)}}});
      return;
    }
    case GraphOutput::kMeta: {
      const std::string emf = render(PictureFormat::kEmf);
      if (emf.empty()) break;
      platform.SetClipboard(
          GraphPayload(render(PictureFormat::kPng), render(PictureFormat::kSvg), emf));
      return;
    }
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
