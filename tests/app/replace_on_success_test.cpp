#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/data_set_holder.h"
#include "app/read_data_file.h"
#include "textformat/minimal_file.h"

namespace zef::app {
namespace {

using textformat::kReadClean;
using textformat::kReadFailed;
using textformat::testing::MinimalZef1;

TEST(DataSetHolder, FailedReadLeavesTheLoadedSetUntouched) {
  const auto folder = std::filesystem::temp_directory_path() / "zef-text-reader-test";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "Info.TXT", std::ios::binary) << "About this box";
  const std::string good = MinimalZef1("12.5", "<CABINET>\t<RECTANGULAR>\t-0.2\t0\t-0.1\t0.1\t-0.3\t0.3\n"
                                               "<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\n"
                                               "0\t0\t0\t1\t1\t1\t<RGB>\t255\t0\t0\n");
  std::string withInfo = good;
  withInfo.replace(withInfo.find("<INFOFILE>\t"), 11, "<INFOFILE>\tinfo.txt");
  std::ofstream(folder / "good.txt", std::ios::binary) << withInfo;
  std::string bad = withInfo;
  bad.replace(bad.find("<BAND>\t2k"), 9, "<BAND>\t4k");
  std::ofstream(folder / "bad.txt", std::ios::binary) << bad;

  app::DataSetHolder holder;
  model::LineSink sink;
  ReadOutcome read = ReadDataFile(folder / "good.txt", sink, {});
  ASSERT_EQ(read.result, kReadClean) << ::testing::PrintToString(sink.Lines());
  holder.Install(std::move(read.set));
  const model::DataSet before = *holder.Loaded();
  EXPECT_EQ(before.cabinet.infoFile.Size(), 14u);
  EXPECT_EQ(before.cabinet.edges.size(), 1u);

  read = ReadDataFile(folder / "bad.txt", sink, {});
  EXPECT_EQ(read.result, kReadFailed);
  holder.Install(std::move(read.set));
  EXPECT_TRUE(*holder.Loaded() == before);
  EXPECT_EQ(holder.Loaded()->cabinet.infoFile.bytes,
            std::vector<std::uint8_t>(before.cabinet.infoFile.bytes));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zef::app
