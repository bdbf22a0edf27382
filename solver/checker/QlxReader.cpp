#include "solver/checker/QlxReader.h"

#include <algorithm>
#include <array>
#include <istream>

#include "solver/QuorError.h"

namespace quor::solver {

void QlxReader::ReadBytes(std::span<std::uint8_t> bytes) {
  m_in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  // A truncated file would otherwise leave the field as garbage.
  if (m_in.gcount() != static_cast<std::streamsize>(bytes.size())) throw QUOR_error::error::BadMagic;
}

void QlxReader::Skip(std::size_t count) {
  std::array<std::uint8_t, 64> scratch{};
  while (count > 0) {
    const std::size_t chunk = std::min(count, scratch.size());
    ReadBytes(std::span(scratch).first(chunk));
    count -= chunk;
  }
}

}  // namespace quor::solver
