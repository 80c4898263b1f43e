#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/output_open.h"
#include "wav/wav_image.h"

namespace zef::cli::testing {

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

// A scratch folder and what the last command printed.
class CommandTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, std::string_view text) {
    return dir_.Write(name, text).string();
  }
  std::string Path(const std::string& name) const { return dir_.Path(name).string(); }
  // Arguments starting with '@' name files in the scratch folder.
  int Run(Command command, std::vector<std::string> args) {
    for (auto& arg : args) {
      if (arg.starts_with('@')) arg = Path(arg.substr(1));
    }
    out_.str("");
    err_.str("");
    return command(args, out_, err_);
  }

  // The file as the viewer opens it, answering yes.
  static app::DataSetHolder Opened(const std::string& path) {
    app::DataSetHolder holder;
    std::ostringstream sink;
    EXPECT_TRUE(OpenForOutput(path, Answering::Yes, false, holder, sink).loaded);
    return holder;
  }

  wav::testing::TempDir dir_;
  std::ostringstream out_;
  std::ostringstream err_;
};

}  // namespace zef::cli::testing
