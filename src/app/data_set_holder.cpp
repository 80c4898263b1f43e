#include "app/data_set_holder.h"

namespace zef::app {

void DataSetHolder::Install(std::unique_ptr<model::DataSet> set) {
  if (set) loaded_ = std::move(set);
}

std::uint32_t DataSetHolder::OnAxisCode() const {
  return loaded_ ? loaded_->info->onAxisCode : model::kPlusX;
}

std::uint32_t DataSetHolder::UpCode() const {
  return loaded_ ? loaded_->info->upCode : model::kPlusZ;
}

}  // namespace zef::app
