#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "analysis/band_curves.h"
#include "analysis/directivity.h"
#include "binary/header.h"
#include "cabinet/lazy_dxf.h"
#include "model/data_set.h"

namespace zef::app {

// A set as the open flow hands it over: the set with what the flow derived
// from it and the texts the window shows for it.
struct LoadedFile {
  std::unique_ptr<model::DataSet> set;
  std::optional<binary::BinaryHeader> header;  // the binary it came from; none for a text
  analysis::DirectivityFigures figures;
  analysis::SensitivityReference reference;
  bool dataValid = false;  // passed the checks: may be distributed as a binary
  bool loadedFromText = false;
  std::string statusLine;   // who made a binary; empty for a text file
  std::string statusPath;   // the path as the status bar shows it
  std::string windowTitle;  // empty: the program title alone
  cabinet::LazyDxf dxf;     // the drawing is parsed when the DXF cabinet is first drawn
};

// Holds the one loaded data set. A read builds its set beside this one; only a
// successful read hands its set over, so a failed read never touches what is shown.
// Everything a read replaces lives in the set (phase block, filter, cabinet
// lists, embedded files) or beside it in LoadedFile, so installing releases
// exactly what the previous file owned, whatever kinds the two are.
class DataSetHolder {
 public:
  const model::DataSet* Loaded() const { return file_.set.get(); }
  bool IsLoaded() const { return file_.set != nullptr; }
  // The loaded set for the cabinet drawing, which fills its DXF lists the
  // first time the DXF is drawn, and the state of that parse.
  model::DataSet* LoadedForDrawing() { return file_.set.get(); }
  cabinet::LazyDxf& Dxf() { return file_.dxf; }

  // Installs what the open flow made of a file; a file without a set is ignored.
  void Install(LoadedFile file);
  // Installs a bare read, without anything the flow derives. `header` is the
  // header of the binary it came from; none for a text file.
  void Install(std::unique_ptr<model::DataSet> set,
               std::optional<binary::BinaryHeader> header = std::nullopt);

  // The header of the loaded set's binary.
  const std::optional<binary::BinaryHeader>& LoadedHeader() const { return file_.header; }
  const analysis::DirectivityFigures& Figures() const { return file_.figures; }
  const analysis::SensitivityReference& Reference() const { return file_.reference; }
  bool DataValid() const { return file_.dataValid; }
  bool LoadedFromText() const { return file_.loadedFromText; }
  const std::string& StatusLine() const { return file_.statusLine; }
  const std::string& StatusPath() const { return file_.statusPath; }
  std::string WindowTitle() const;

  // The format kind of the loaded set; ZEF1 before anything is loaded.
  model::FormatKind Kind() const;
  // The axis codes a new read starts from: the loaded set's, or on-axis +X, up +Z.
  std::uint32_t OnAxisCode() const;
  std::uint32_t UpCode() const;

 private:
  LoadedFile file_;
};

}  // namespace zef::app
