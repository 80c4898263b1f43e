#include "app/derived_figures.h"

#include <cstring>

namespace zef::app {
namespace {

constexpr char kCompleteFiguresVersion[] = "v1.0f";
constexpr std::size_t kComparedVersionChars = 7;
constexpr unsigned char kOlderWriterLead = 0xDF;

}  // namespace

void ComputeDirectivityFigures(model::DataSet& set, analysis::DirectivityFigures& figures) {
  analysis::ComputeHalfWidths(set.data);
  analysis::ComputeWidths(set.data, figures);
  analysis::ComputeAxialQ(set.data);
}

bool WrittenByOlderWriter(const binary::BinaryHeader& header) {
  if (header.writerMark != 0) return false;
  // strncmp compares as unsigned bytes and stops at the field's end.
  return std::strncmp(header.writerVersion, kCompleteFiguresVersion, kComparedVersionChars) < 0 ||
         static_cast<unsigned char>(header.writerVersion[0]) == kOlderWriterLead;
}

void DeriveBinaryFigures(model::DataSet& set, const binary::BinaryHeader& header,
                         analysis::DirectivityFigures& figures) {
  set.impedance = model::ImpedanceFiguresOf(set);
  if (WrittenByOlderWriter(header)) {
    ComputeDirectivityFigures(set, figures);
  } else {
    analysis::ComputeWidths(set.data, figures);
  }
}

}  // namespace zef::app
