#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

// Widgets need a QApplication; CI has no display.
class WidgetEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "gui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new WidgetEnvironment);

}  // namespace
