#include "platform/archive/Archive.h"

#include <algorithm>
#include <bit>
#include <cassert>

#include "platform/archive/ArchiveException.h"

namespace quor {

Archive::Archive(std::vector<std::uint8_t>& bytes, Mode mode) : m_bytes(bytes), m_mode(mode) {}

void Archive::WriteLittleEndian(std::uint64_t value, std::size_t size) {
  assert(IsStoring() && "writing to an archive that loads");
  for (std::size_t i = 0; i < size; ++i) m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Archive::WriteU8(std::uint8_t value) {
  WriteLittleEndian(value, 1);
}
void Archive::WriteU16(std::uint16_t value) {
  WriteLittleEndian(value, 2);
}
void Archive::WriteU32(std::uint32_t value) {
  WriteLittleEndian(value, 4);
}
void Archive::WriteI32(std::int32_t value) {
  WriteLittleEndian(static_cast<std::uint32_t>(value), 4);
}
void Archive::WriteF64(double value) {
  WriteLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void Archive::WriteBytes(std::span<const std::uint8_t> bytes) {
  assert(IsStoring() && "writing to an archive that loads");
  m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

std::int32_t Archive::ReadCount(std::size_t minRecordSize) {
  assert(minRecordSize > 0 && "records take room");
  const std::int32_t count = ReadI32();
  if (count > 0 && static_cast<std::size_t>(count) > Remaining() / minRecordSize) {
    throw ArchiveException(ArchiveException::Cause::EndOfFile);
  }
  return count;
}

void Archive::ReadBytes(std::span<std::uint8_t> out) {
  assert(IsLoading() && "reading from an archive that stores");
  if (Remaining() < out.size()) throw ArchiveException(ArchiveException::Cause::EndOfFile);
  std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position), out.size(), out.begin());
  m_position += out.size();
}

void Archive::Transfer(std::uint8_t& value) {
  if (IsStoring()) {
    WriteU8(value);
    return;
  }
  value = ReadU8();
}

void Archive::Transfer(std::uint32_t& value) {
  if (IsStoring()) {
    WriteU32(value);
    return;
  }
  value = ReadU32();
}

void Archive::Transfer(std::int32_t& value) {
  if (IsStoring()) {
    WriteI32(value);
    return;
  }
  value = ReadI32();
}

void Archive::Transfer(double& value) {
  if (IsStoring()) {
    WriteF64(value);
    return;
  }
  value = ReadF64();
}

}  // namespace quor
