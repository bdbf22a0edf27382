// A planar polygon of 3-vectors: conductor outlines, plates, segmentation cells
// and patches, and the two outlines the editor hands to Subtract. The outline
// is closed implicitly (the last vertex joins the first). Each vertex carries
// an integer flag, 0 unless a user of the polygon marks it.
//
// Every failed allocation of the vertex or flag array throws
// patch::errorPatch::AllocationFailed.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <vector>

#include "tessmor/Point3.h"

class Polygon {
 public:
  Polygon() = default;
  explicit Polygon(std::span<const Point3> vertices);
  Polygon(const Polygon& other);
  Polygon& operator=(const Polygon& other);
  Polygon(Polygon&& other) noexcept = default;
  Polygon& operator=(Polygon&& other) noexcept = default;
  virtual ~Polygon() = default;

  // The text form of the plate file and the listing: the count on a line of
  // its own, then one line per vertex with x, y and z, each right-aligned in
  // 16 characters in the "%g" form, whatever the stream's locale. Read
  // accepts any white space between the numbers; on malformed input it sets
  // the stream's failbit and leaves the polygon empty.
  virtual void Read(std::istream& in);
  virtual void Write(std::ostream& out) const;

  // Both replace whatever the polygon held; the spans must have equal sizes.
  void Set(std::span<const Point3> vertices, std::span<const std::int32_t> flags);
  void Set(std::span<const Point3> vertices);
  void Clear();

  std::int32_t Count() const { return static_cast<std::int32_t>(m_vertices.size()); }
  std::span<const Point3> Vertices() const { return m_vertices; }
  std::span<Point3> Vertices() { return m_vertices; }
  std::span<const std::int32_t> Flags() const { return m_flags; }
  std::span<std::int32_t> Flags() { return m_flags; }

  // The unit normal of the outline's orientation (counter-clockwise seen from
  // its tip), re-entrant outlines included; (0, 0, 0) for fewer than three
  // vertices or when every corner is degenerate.
  Point3 UnitNormal() const;
  // Positive for any outline whose normal was found, 0 otherwise.
  double Area() const;

  // These three change the polygon in place and return a copy of the result.
  // The flags keep their positions.
  Polygon Reversed();                    // v(0), v(n-1), ..., v(1)
  Polygon Translated(const Point3& d);   // subtracts d from every vertex
  Polygon RotatedStart(std::int32_t k);  // v(k), v(k+1), ... cyclic

 private:
  Point3 CornerNormal(std::int32_t i) const;

  std::vector<Point3> m_vertices;
  std::vector<std::int32_t> m_flags;
};
