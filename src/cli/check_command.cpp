#include <algorithm>
#include <ostream>

#include "app/data_set_holder.h"
#include "app/read_data_file.h"
#include "cli/commands.h"
#include "cli/locale_settings.h"
#include "model/bands.h"
#include "model/fixed_text.h"
#include "model/message_sink.h"

namespace zef::cli {
namespace {

// Prints every line a reader writes, as it comes.
class StreamSink : public model::MessageSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) {}
  void WriteString(std::string_view text) override { out_ << text; }
  void WriteNumber(std::int64_t value) override { out_ << value; }
  void WriteBoolean(bool value) override { out_ << (value ? "TRUE" : "FALSE"); }
  void EndLine() override { out_ << '\n'; }

 private:
  std::ostream& out_;
};

void PrintSummary(const model::DataSet& set, std::ostream& err) {
  const char* kind = set.kind == model::FormatKind::Zef1 ? "ZEF1" : "ZEF2";
  err << kind << " version " << set.version;
  if (set.draft != 0) err << " draft " << set.draft;
  err << ", " << model::TextOf(set.info->modelName) << ", bands "
      << model::BandLabel(set.kind, static_cast<int>(set.data.MinBand())) << " to "
      << model::BandLabel(set.kind, static_cast<int>(set.data.MaxBand())) << " Hz\n";
}

}  // namespace

int RunCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "zef check: no file named (zef check FILE...)\n";
    return kUsageError;
  }
  textformat::ReadOptions options;
  options.decimalComma = LocaleUsesDecimalComma();
  app::DataSetHolder holder;
  StreamSink sink(out);
  int worst = 0;
  for (const std::string& file : args) {
    if (args.size() > 1) out << "==> " << file << " <==\n";
    options.holderOnAxisCode = holder.OnAxisCode();
    options.holderUpCode = holder.UpCode();
    app::ReadOutcome read = app::ReadDataFile(file, sink, options);
    if (read.set) {
      PrintSummary(*read.set, err);
      holder.Install(std::move(read.set));
    }
    worst = std::max(worst, read.result);
  }
  out.flush();
  return worst;
}

}  // namespace zef::cli
