#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/data_set.h"
#include "model/message_sink.h"
#include "textformat/reader.h"
#include "textformat/text_reader.h"

namespace zef::textformat::testing {

// Turns "\n" into the CR-LF line ends data files need.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

struct GroupRun {
  bool ok = false;                      // what the group returned
  int result = 0;                       // the reader's result code
  std::vector<std::string> messages;    // the error list
  std::unique_ptr<model::DataSet> set;  // the set as the group left it
};

// Runs one keyword group on `lines` (LF line ends, CR added here), which stand
// after the first line of a file of `kind`; `prepare` sets up what earlier
// groups would have filled (band range, version, presence flags...).
inline GroupRun RunGroup(model::FormatKind kind, std::string_view lines,
                         const std::function<bool(Reader&)>& group,
                         const std::function<void(model::DataSet&)>& prepare = {},
                         const ReadOptions& options = {},
                         const std::string& sourcePath = "/nonexistent/test.txt") {
  GroupRun run;
  run.set = std::make_unique<model::DataSet>(kind);
  if (prepare) prepare(*run.set);
  const std::string text = Crlf(lines);
  model::LineSink sink;
  Reader reader(text, sourcePath, sink, options, *run.set);
  reader.Scanner().SetLineNumber(1);
  run.ok = group(reader);
  run.result = reader.Result();
  run.messages = sink.Lines();
  return run;
}

// Sets the band range of a set being prepared.
inline void SetBands(model::DataSet& set, int minBand, int maxBand) {
  set.data.MinBand() = static_cast<std::uint32_t>(minBand);
  set.data.MaxBand() = static_cast<std::uint32_t>(maxBand);
}

// The error list of a failed line: "Error on line: nnnn" and " " + message.
inline std::vector<std::string> ErrorAt(int line, const std::string& message) {
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "Error on line: %4d", line);
  return {prefix, " " + message};
}

// Several messages of one line, each with its prefix.
inline std::vector<std::string> ErrorsAt(int line, std::initializer_list<std::string> messages) {
  std::vector<std::string> all;
  for (const std::string& m : messages) {
    const std::vector<std::string> one = ErrorAt(line, m);
    all.insert(all.end(), one.begin(), one.end());
  }
  return all;
}

using Messages = std::vector<std::string>;

// "These lines fail with exactly these messages": the group stops, result 2.
inline void ExpectFailed(const GroupRun& run, const Messages& messages,
                         const std::string& context = {}) {
  EXPECT_FALSE(run.ok) << context;
  EXPECT_EQ(run.result, kReadFailed) << context;
  EXPECT_EQ(run.messages, messages) << context;
}

// One line per case: what `run` is given, and the messages the group fails with.
template <typename Run>
void ExpectRefused(const Run& run, const std::vector<std::pair<std::string, Messages>>& cases) {
  for (const auto& [input, messages] : cases) ExpectFailed(run(input), messages, input);
}

}  // namespace zef::textformat::testing
