#include <QApplication>

#include "qt_environment.h"

namespace {

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new zef::testing::QtEnvironment<QApplication>);

}  // namespace
