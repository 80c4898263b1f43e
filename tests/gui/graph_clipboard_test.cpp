#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "app/fake_platform.h"
#include "graphs/graph_fixtures.h"
#include "gui/qt_clipboard.h"

namespace zef::gui {
namespace {

TEST(GraphClipboard, TablesGoAsTextAndReplaceWhatWasThere) {
  ASSERT_TRUE(PutOnClipboard(app::GraphPayload("png?", "<svg/>", "emf")));
  ASSERT_TRUE(PutOnClipboard(app::TextPayload("\"ZS\"\t\"ZS-212\"\t\t87.5")));
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->formats(), QStringList{"text/plain"});
  EXPECT_EQ(data->text().toStdString(), "\"ZS\"\t\"ZS-212\"\t\t87.5");
}

}  // namespace
}  // namespace zef::gui
