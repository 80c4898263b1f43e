#include <gtest/gtest.h>

#include "app/data_set_holder.h"
#include "app/read_data_file.h"
#include "textformat/minimal_file.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

using textformat::kReadClean;
using textformat::kReadFailed;
using textformat::testing::MinimalZef1;

TEST(DataSetHolder, FailedReadLeavesTheLoadedSetUntouched) {
  const wav::testing::TempDir folder;
  folder.Write("Info.TXT", "About this box");
  std::string good = MinimalZef1("12.5", "<CABINET>\t<RECTANGULAR>\t-0.2\t0\t-0.1\t0.1\t-0.3\t0.3\n"
                                         "<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\n"
                                         "0\t0\t0\t1\t1\t1\t<RGB>\t255\t0\t0\n");
  good.replace(good.find("<INFOFILE>\t"), 11, "<INFOFILE>\tinfo.txt");
  std::string bad = good;
  folder.Write("bad.txt", bad.replace(bad.find("<BAND>\t2k"), 9, "<BAND>\t4k"));

  DataSetHolder holder;
  model::LineSink sink;
  ReadOutcome read = ReadDataFile(folder.Write("good.txt", good), sink, {});
  ASSERT_EQ(read.result, kReadClean) << ::testing::PrintToString(sink.Lines());
  holder.Install(std::move(read.set));
  const model::DataSet before = *holder.Loaded();
  EXPECT_EQ(before.cabinet.infoFile.Size(), 14u);
  EXPECT_EQ(before.cabinet.edges.size(), 1u);

  read = ReadDataFile(folder.Path("bad.txt"), sink, {});
  EXPECT_EQ(read.result, kReadFailed);
  holder.Install(std::move(read.set));
  EXPECT_TRUE(*holder.Loaded() == before);
  EXPECT_EQ(holder.Loaded()->cabinet.infoFile.bytes, before.cabinet.infoFile.bytes);
}

}  // namespace
}  // namespace zef::app
