#pragma once

#include <cstdint>
#include <memory>

#include "model/data_set.h"

namespace zef::app {

// Holds the one loaded data set. A read builds its set beside this one; only a
// successful read hands its set over, so a failed read never touches what is shown.
class DataSetHolder {
 public:
  const model::DataSet* Loaded() const { return loaded_.get(); }
  bool IsLoaded() const { return loaded_ != nullptr; }

  // Installs a newly read set, releasing the previous one.
  void Install(std::unique_ptr<model::DataSet> set);

  // The axis codes a new read starts from: the loaded set's, or on-axis +X, up +Z.
  std::uint32_t OnAxisCode() const;
  std::uint32_t UpCode() const;

 private:
  std::unique_ptr<model::DataSet> loaded_;
};

}  // namespace zef::app
