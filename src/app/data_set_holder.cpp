#include "app/data_set_holder.h"

#include "app/message_text.h"

namespace zef::app {

void DataSetHolder::Install(LoadedFile file) {
  if (!file.set) return;
  file_ = std::move(file);
}

void DataSetHolder::Install(std::unique_ptr<model::DataSet> set,
                            std::optional<binary::BinaryHeader> header) {
  LoadedFile file;
  file.set = std::move(set);
  file.header = header;
  Install(std::move(file));
}

std::string DataSetHolder::WindowTitle() const {
  return file_.windowTitle.empty() ? std::string(kProgramTitle) : file_.windowTitle;
}

model::FormatKind DataSetHolder::Kind() const {
  return IsLoaded() ? file_.set->kind : model::FormatKind::Zef1;
}

std::uint32_t DataSetHolder::OnAxisCode() const {
  return IsLoaded() ? file_.set->info->onAxisCode : model::kPlusX;
}

std::uint32_t DataSetHolder::UpCode() const {
  return IsLoaded() ? file_.set->info->upCode : model::kPlusZ;
}

}  // namespace zef::app
