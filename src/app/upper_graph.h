#pragma once

#include <optional>
#include <string>

#include "app/shell_state.h"
#include "cabinet/lazy_dxf.h"
#include "graphs/graph_window.h"
#include "graphs/shade_palette.h"
#include "model/data_set.h"
#include "view3d/navigation.h"
#include "view3d/scene.h"

namespace zef::app {

// The upper graph's 3D scene: the balloon or the cabinet of the loaded set,
// seen through the camera of the view shown. The objects are rebuilt only
// when the data or the options change; turning the picture re-projects them.
class UpperGraph {
 public:
  explicit UpperGraph(model::MessageSink& debug);

  // Rebuilds the objects of the view the state shows; a message for the user
  // when the cabinet drawing could not be made.
  std::optional<std::string> Rebuild(model::DataSet& set, const ShellState& state,
                                     graphs::OptionSet options);
  // Starts the cabinet's DXF afresh for a newly loaded set.
  void NewSet() { dxf_ = cabinet::LazyDxf(dxfObserver_); }
  // Who is told the progress lines of a DXF parse.
  void WatchDxf(cabinet::LazyDxf::Observer observer) {
    dxfObserver_ = std::move(observer);
    NewSet();
  }
  // The DXF parse of the loaded set: its window's text and whether the
  // window is open (the menus wait while it is).
  const cabinet::LazyDxf& Dxf() const { return dxf_; }
  void SetSize(int width, int height);
  // Applies the state's camera of the view shown and re-projects.
  void ApplyCamera(const ShellState& state);
  // Turns, shifts or zooms the camera of the view shown; true when it moved.
  bool Mouse(const view3d::MouseEvent& event, ShellState& state);
  // Whether a move with no button held starts showing the navigation hint on
  // the readout line (the window saves its text then) or puts the text back.
  view3d::HintChange Hover(const view3d::MouseEvent& event);
  // The projected picture, with the balloon's legend, into the window.
  void Draw(graphs::GraphWindow& window, const model::DataSet& set, const ShellState& state,
            graphs::OptionSet options) const;
  std::size_t PolygonCount() const { return scene_.PolygonCount(); }

 private:
  model::MessageSink& debug_;
  view3d::Scene scene_;
  graphs::ShadePalette palette_;
  cabinet::LazyDxf::Observer dxfObserver_;
  cabinet::LazyDxf dxf_;
  view3d::DragState drag_;
  bool hintShown_ = false;
};

}  // namespace zef::app
