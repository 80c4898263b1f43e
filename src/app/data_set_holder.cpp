#include "app/data_set_holder.h"

namespace zef::app {

void DataSetHolder::Install(std::unique_ptr<model::DataSet> set,
                            std::optional<binary::BinaryHeader> header) {
  if (!set) return;
  loaded_ = std::move(set);
  header_ = header;
}

std::uint32_t DataSetHolder::OnAxisCode() const {
  return loaded_ ? loaded_->info->onAxisCode : model::kPlusX;
}

std::uint32_t DataSetHolder::UpCode() const {
  return loaded_ ? loaded_->info->upCode : model::kPlusZ;
}

}  // namespace zef::app
