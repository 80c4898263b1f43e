#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "binary/header.h"
#include "model/data_set.h"

namespace zef::app {

// Holds the one loaded data set. A read builds its set beside this one; only a
// successful read hands its set over, so a failed read never touches what is shown.
// Everything a read replaces lives in the set (phase block, filter, cabinet
// lists, embedded files), so installing a set releases exactly what the
// previous one owned, whatever kinds the two are.
class DataSetHolder {
 public:
  const model::DataSet* Loaded() const { return loaded_.get(); }
  bool IsLoaded() const { return loaded_ != nullptr; }

  // Installs a newly read set, releasing the previous one. `header` is the
  // header of the binary it came from; none for a text file.
  void Install(std::unique_ptr<model::DataSet> set,
               std::optional<binary::BinaryHeader> header = std::nullopt);

  // The header of the loaded set's binary (its writer mark and version decide
  // which figures the opening flow recomputes).
  const std::optional<binary::BinaryHeader>& LoadedHeader() const { return header_; }

  // The axis codes a new read starts from: the loaded set's, or on-axis +X, up +Z.
  std::uint32_t OnAxisCode() const;
  std::uint32_t UpCode() const;

 private:
  std::unique_ptr<model::DataSet> loaded_;
  std::optional<binary::BinaryHeader> header_;
};

}  // namespace zef::app
