#include "tessmor/Polygon.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <istream>
#include <new>
#include <numbers>
#include <ostream>
#include <string>

#include "solver/AngleSum.h"
#include "solver/TextNumbers.h"
#include "tessmor/PatchError.h"

using quor::solver::FormatGeneral;
using quor::solver::ReadInteger;
using quor::solver::ReadReal;

namespace {

constexpr int kFieldWidth = 16;
// A corner whose unit normal is shorter than this is degenerate (collinear).
constexpr double kDegenerateCorner = 0.001;
// Read never reserves more than this ahead of the vertices actually read, so a
// corrupt count cannot demand memory the file does not back.
constexpr std::size_t kReadReserve = 64;

// Runs an allocation and reports its failure the way polygon users expect.
template <class Allocation>
void Allocate(Allocation allocation) {
  try {
    allocation();
  } catch (const std::bad_alloc&) {
    throw patch::errorPatch::AllocationFailed;
  }
}

}  // namespace

Polygon::Polygon(std::span<const Point3> vertices) {
  Set(vertices);
}

Polygon::Polygon(const Polygon& other) {
  Allocate([&] {
    m_vertices = other.m_vertices;
    m_flags = other.m_flags;
  });
}

Polygon& Polygon::operator=(const Polygon& other) {
  if (this == &other) return *this;
  Polygon copy(other);
  *this = std::move(copy);
  return *this;
}

void Polygon::Set(std::span<const Point3> vertices, std::span<const std::int32_t> flags) {
  assert(vertices.size() == flags.size() && "one flag per vertex");
  Allocate([&] {
    m_vertices.assign(vertices.begin(), vertices.end());
    m_flags.assign(flags.begin(), flags.end());
  });
}

void Polygon::Set(std::span<const Point3> vertices) {
  Allocate([&] {
    m_vertices.assign(vertices.begin(), vertices.end());
    m_flags.assign(vertices.size(), 0);
  });
}

void Polygon::Clear() {
  m_vertices.clear();
  m_vertices.shrink_to_fit();
  m_flags.clear();
  m_flags.shrink_to_fit();
}

void Polygon::Read(std::istream& in) {
  Clear();
  std::int32_t count = 0;
  if (!ReadInteger(in, count)) return;
  if (count < 0) {
    in.setstate(std::ios::failbit);
    return;
  }
  std::vector<Point3> vertices;
  Allocate([&] { vertices.reserve(std::min(static_cast<std::size_t>(count), kReadReserve)); });
  for (std::int32_t i = 0; i < count; ++i) {
    Point3 v;
    if (!ReadReal(in, v.x) || !ReadReal(in, v.y) || !ReadReal(in, v.z)) return;
    Allocate([&] { vertices.push_back(v); });
  }
  Set(vertices);
}

void Polygon::Write(std::ostream& out) const {
  std::string text;
  Allocate([&] {
    text += std::to_string(Count());
    text += '\n';
    for (const Point3& v : m_vertices) {
      text += FormatGeneral(v.x, kFieldWidth);
      text += FormatGeneral(v.y, kFieldWidth);
      text += FormatGeneral(v.z, kFieldWidth);
      text += '\n';
    }
  });
  out << text;
}

Point3 Polygon::CornerNormal(std::int32_t i) const {
  const auto n = static_cast<std::size_t>(Count());
  const auto k = static_cast<std::size_t>(i);
  const Point3& corner = m_vertices[k];
  const Point3 toNext = m_vertices[(k + 1) % n] - corner;
  const Point3 toPrevious = m_vertices[(k + n - 1) % n] - corner;
  return Point3Cross(toNext, toPrevious).Unit();
}

Point3 Polygon::UnitNormal() const {
  const std::int32_t n = Count();
  if (n < 3) return {};
  std::int32_t first = 0;
  while (first < n && CornerNormal(first).Length() <= kDegenerateCorner) ++first;
  if (first == n) return {};
  const Point3 firstNormal = CornerNormal(first);
  if (n <= 4) return firstNormal;

  // A re-entrant corner's normal points against the outline's orientation.
  // The other edges are seen from a convex corner under its interior angle,
  // which is below pi, and from a re-entrant one under more than pi, so take
  // the first corner whose angle sum is at least 1 and below 4 radians.
  Point3 reference = firstNormal;
  for (std::int32_t i = 0; i < n; ++i) {
    const Point3 corner = CornerNormal(i);
    const bool usable = corner.Length() > kDegenerateCorner;
    if (usable) reference = corner;
    const double sum =
        quor::solver::AngleSum(m_vertices[static_cast<std::size_t>(i)], m_vertices, reference, 0.0, true);
    const double magnitude = std::fabs(std::trunc(sum));
    if (usable && magnitude > 0.0 && magnitude < std::numbers::pi) return corner;
  }
  return firstNormal;
}

double Polygon::Area() const {
  if (Count() < 3) return 0.0;
  const Point3 normal = UnitNormal();
  const Point3& origin = m_vertices.front();
  double twiceArea = 0.0;
  for (std::size_t k = 1; k + 1 < m_vertices.size(); ++k) {
    twiceArea += Point3Dot(Point3Cross(m_vertices[k] - origin, m_vertices[k + 1] - origin), normal);
  }
  return twiceArea / 2.0;
}

Polygon Polygon::Reversed() {
  if (!m_vertices.empty()) std::reverse(m_vertices.begin() + 1, m_vertices.end());
  return *this;
}

Polygon Polygon::Translated(const Point3& d) {
  for (Point3& v : m_vertices) v = v - d;
  return *this;
}

Polygon Polygon::RotatedStart(std::int32_t k) {
  assert(k >= 0 && (k < Count() || Count() == 0) && "start vertex of the polygon");
  if (!m_vertices.empty()) std::rotate(m_vertices.begin(), m_vertices.begin() + k, m_vertices.end());
  return *this;
}
