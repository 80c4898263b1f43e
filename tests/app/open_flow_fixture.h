#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/data_set_holder.h"
#include "app/list_window_lines.h"
#include "app/open_flow.h"
#include "fake_platform.h"
#include "wav/wav_image.h"

namespace zef::app::testing {

// A holder, a scripted platform and an error list in a scratch folder.
class OpenFlowTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& name, std::string_view bytes) {
    return dir_.Write(name, bytes);
  }
  OpenOutcome Open(const std::filesystem::path& path) {
    platform_.boxes.clear();
    return OpenDataFile(path, holder_, {platform_, errors_, false});
  }
  std::vector<std::string> Lines() const {
    return {errors_.Lines().begin(), errors_.Lines().end()};
  }

  wav::testing::TempDir dir_;
  FakePlatform platform_;
  ListWindowLines errors_{ListWindowLines::kErrorRules};
  DataSetHolder holder_;
};

// What the holder shows, copied so that a later open can be compared with it.
struct HolderSnapshot {
  explicit HolderSnapshot(const DataSetHolder& h)
      : set(*h.Loaded()),
        widths(h.Figures().horizontalWidth),
        angles(h.Figures().verticalMaxAngle),
        texts{h.StatusLine(), h.StatusPath(), h.WindowTitle()},
        flags{h.DataValid(), h.LoadedFromText(), h.LoadedHeader().has_value()} {}
  bool operator==(const HolderSnapshot&) const = default;

  model::DataSet set;
  std::array<float, model::kMaxBands> widths;
  std::array<float, model::kMaxBands> angles;
  std::vector<std::string> texts;
  std::vector<bool> flags;
};

}  // namespace zef::app::testing
