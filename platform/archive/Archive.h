// A little-endian binary archive over a byte buffer: the raw field operators
// of the project file and the undo snapshots (no tags, no padding).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "tessmor/LittleEndianFields.h"

namespace quor {

class Archive : public LittleEndianFields<Archive> {
 public:
  enum class Mode { Store, Load };

  // Storing appends to `bytes`; loading reads them from the start. The buffer
  // belongs to the caller and must outlive the archive.
  Archive(std::vector<std::uint8_t>& bytes, Mode mode);

  bool IsStoring() const { return m_mode == Mode::Store; }
  bool IsLoading() const { return m_mode == Mode::Load; }

  void WriteU8(std::uint8_t value);
  void WriteU16(std::uint16_t value);
  void WriteU32(std::uint32_t value);
  void WriteI32(std::int32_t value);
  void WriteF64(double value);
  void WriteBytes(std::span<const std::uint8_t> bytes);

  // This read, and the field reads on it, throw ArchiveException(EndOfFile)
  // when the data runs out.
  void ReadBytes(std::span<std::uint8_t> out);

  // Stores the value or loads into it, as the mode says.
  void Transfer(std::uint8_t& value);
  void Transfer(std::uint32_t& value);
  void Transfer(std::int32_t& value);
  void Transfer(double& value);

  // Reads an i32 record count; a count larger than the remaining data could
  // hold with records of at least `minRecordSize` bytes means the data was cut
  // short and throws ArchiveException(EndOfFile) at once.
  std::int32_t ReadCount(std::size_t minRecordSize);

  // Bytes not yet read.
  std::size_t Remaining() const { return m_bytes.size() - m_position; }

 private:
  void WriteLittleEndian(std::uint64_t value, std::size_t size);

  std::vector<std::uint8_t>& m_bytes;
  Mode m_mode;
  std::size_t m_position = 0;
};

}  // namespace quor
