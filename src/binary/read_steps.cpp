#include "binary/read_steps.h"

#include "binary/cabinet_section.h"
#include "binary/checksums.h"
#include "binary/embedded_file_section.h"
#include "binary/version2_extension.h"

namespace zef::binary {
namespace {

bool DataChecksumAccepted(const BinaryHeader& header, const model::DataSet& set) {
  // Version-2 writers may leave the checksum out by storing 0.
  if (header.version == 2 && header.dataChecksum == 0) return true;
  return FileDataChecksum(header.version, *set.info, set.data) == header.dataChecksum;
}

// Every user of the set indexes the per-band arrays from the minimum to the
// maximum band, so a range outside the arrays must never be loaded.
bool BandRangeFits(const model::DataRecord& data) {
  return data.MaxBand() < static_cast<std::uint32_t>(data.GetGrid().bands) &&
         data.MinBand() <= data.MaxBand();
}

Fault ReadRecords(Input& in, const KindRules& rules, BinaryHeader& header, model::DataSet& set) {
  if (!in.ReadRecord(header)) return Fault::InsufficientData;
  if (header.magic != rules.magic) return rules.wrongMagic;
  if (const Fault f = rules.checkVersion(header); f != Fault::None) return f;
  set.version = header.version;
  set.draft = header.draft;
  if (!in.ReadRecord(*set.info)) return Fault::InsufficientData;
  if (TextChecksum(*set.info) != header.textChecksum) return Fault::NotValid;
  if (!in.ReadBytes(set.data.Bytes())) return Fault::InsufficientData;
  if (!DataChecksumAccepted(header, set)) return Fault::Corrupt;
  if (set.data.MinBand() < rules.lowestBand) set.data.MinBand() = rules.lowestBand;
  if (!BandRangeFits(set.data)) return Fault::Corrupt;
  return Fault::None;
}

Fault ReadSections(Input& in, const BinaryHeader& header, model::DataSet& set) {
  // A version-1 header passes only without the extension (".ZF1" refuses version 2).
  if (header.version == 2) {
    if (const Fault f = ReadVersion2Extension(in, set); f != Fault::None) return f;
  }
  if (const Fault f = ReadEmbeddedFiles(in, set.cabinet); f != Fault::None) return f;
  return ReadCabinetSection(in, *set.info, set.cabinet);
}

}  // namespace

BinaryReadResult ReadDistributionBinary(Input& in, model::MessageSink& errors,
                                        const KindRules& rules) {
  BinaryReadResult out;
  auto set = std::make_unique<model::DataSet>(rules.kind);
  Fault fault = ReadRecords(in, rules, out.header, *set);
  if (fault == Fault::None) fault = ReadSections(in, out.header, *set);
  if (fault != Fault::None) {
    ReportFault(errors, fault);
    return out;
  }
  out.set = std::move(set);
  return out;
}

}  // namespace zef::binary
