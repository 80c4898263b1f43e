#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <memory>

namespace zef::testing {

// The Qt application a test binary needs (fonts and painting need a
// QGuiApplication, windows a QApplication), on the offscreen platform since
// CI has no display.
template <class Application>
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app_ = std::make_unique<Application>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "zef_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<Application> app_;
};

}  // namespace zef::testing
