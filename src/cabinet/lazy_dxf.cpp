#include "cabinet/lazy_dxf.h"

namespace zef::cabinet {
namespace {

// Keeps the last progress line as the parsing window's text line.
class LastLineSink : public model::MessageSink {
 public:
  LastLineSink(std::string& text, const LazyDxf::Observer& observer)
      : text_(text), observer_(observer) {}
  void WriteString(std::string_view text) override { line_ += text; }
  void WriteNumber(std::int64_t value) override { line_ += std::to_string(value); }
  void WriteBoolean(bool value) override { line_ += value ? "TRUE" : "FALSE"; }
  void EndLine() override {
    text_ = std::move(line_);
    line_.clear();
    if (observer_) observer_(text_);
  }

 private:
  std::string& text_;
  const LazyDxf::Observer& observer_;
  std::string line_;
};

}  // namespace

DxfLoadStatus LazyDxf::Ensure(model::DataSet& set, model::MessageSink* debug) {
  if (tried_) return status_;
  tried_ = true;
  dialogOpen_ = true;
  LastLineSink progress(dialogText_, observer_);
  const DxfLoadResult result = LoadDxfLists(set, &progress, debug);
  status_ = result.status;
  if (status_ == DxfLoadStatus::kTempFileFailed) {
    // Nothing was read: the next drawing tries again.
    tried_ = false;
    dialogOpen_ = false;
    dialogText_.clear();
  } else if (status_ == DxfLoadStatus::kLoaded || status_ == DxfLoadStatus::kNoDrawing) {
    dialogOpen_ = false;
    dialogText_.clear();
  } else {
    dialogText_ = result.text;
  }
  return status_;
}

}  // namespace zef::cabinet
