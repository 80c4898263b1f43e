#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

// Fonts and painting need a QGuiApplication; CI has no display.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "painter_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
