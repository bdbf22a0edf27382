#include "editor/model/QlxFileHeader.h"

#include <array>

#include "editor/model/DocumentSettings.h"
#include "editor/model/FrequencyUnits.h"
#include "editor/model/LengthUnits.h"
#include "editor/model/StorableValues.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveException.h"

namespace quor {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic{'Q', 'U', 'O', 'R'};
constexpr std::uint8_t kMajor = 1;
constexpr std::uint8_t kMinor = 0;
constexpr std::uint16_t kVersion = 6;
// The length of one internal unit in millimetres.
constexpr double kUnitLengthMm = 0.01;

[[noreturn]] void ThrowBadFormat() {
  throw ArchiveException(ArchiveException::Cause::BadIndex);
}

}  // namespace

void WriteQlxFileHeader(Archive& ar, const DocumentSettings& settings) {
  ar.WriteBytes(kMagic);
  ar.WriteU8(kMajor);
  ar.WriteU8(kMinor);
  ar.WriteU16(kVersion);
  ar.WriteF64(kUnitLengthMm);
  ar.WriteF64(settings.FrequencyStart);
  ar.WriteF64(settings.FrequencyStop);
  ar.WriteI32(settings.FrequencySteps);
  ar.WriteI32(FrequencyMultiplier(settings.FrequencyUnits));
  ar.WriteF64(settings.Resolution);
  ar.WriteF64(settings.Refine);
  ar.WriteI32(settings.Units);
  ar.WriteF64(settings.GridSpacing);
  ar.WriteI32(settings.NumberOfViaSegments);
}

void ReadQlxFileHeader(Archive& ar, DocumentSettings& settings) {
  std::array<std::uint8_t, 4> magic{};
  ar.ReadBytes(magic);
  const std::uint8_t major = ar.ReadU8();
  const std::uint8_t minor = ar.ReadU8();
  const std::uint16_t version = ar.ReadU16();
  if (magic != kMagic || major != kMajor || minor != kMinor || version != kVersion) ThrowBadFormat();
  ar.ReadF64();  // the unit length is always 0.01 mm and is not tested

  DocumentSettings read = settings;
  read.FrequencyStart = ar.ReadF64();
  read.FrequencyStop = ar.ReadF64();
  read.FrequencySteps = ar.ReadI32();
  const std::int32_t multiplier = ar.ReadI32();
  read.Resolution = ar.ReadF64();
  read.Refine = ar.ReadF64();
  read.Units = ar.ReadI32();
  read.GridSpacing = ar.ReadF64();
  read.NumberOfViaSegments = ar.ReadI32();
  // The unit indexes the unit tables and the grid spacing divides when the
  // view snaps: neither may come in broken.
  if (!IsValidLengthUnit(read.Units) || !IsStorableSize(read.GridSpacing)) ThrowBadFormat();
  if (const auto unit = FrequencyUnitFromMultiplier(multiplier)) read.FrequencyUnits = *unit;
  settings = read;
}

}  // namespace quor
