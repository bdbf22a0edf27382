// A small dense square matrix of doubles, row-major: the Maxwell and
// capacitance matrices of at most 21 conductors.
#pragma once

#include <cassert>
#include <cstdint>
#include <vector>

namespace quor::solver {

class SquareMatrix {
 public:
  explicit SquareMatrix(std::int32_t size)
      : m_size(size), m_values(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0.0) {}

  std::int32_t Size() const { return m_size; }
  double& operator()(std::int32_t row, std::int32_t column) { return m_values[Index(row, column)]; }
  double operator()(std::int32_t row, std::int32_t column) const { return m_values[Index(row, column)]; }
  bool AllFinite() const;

 private:
  std::size_t Index(std::int32_t row, std::int32_t column) const {
    assert(row >= 0 && row < m_size && column >= 0 && column < m_size && "an entry of the matrix");
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_size) +
           static_cast<std::size_t>(column);
  }

  std::int32_t m_size = 0;
  std::vector<double> m_values;
};

}  // namespace quor::solver
