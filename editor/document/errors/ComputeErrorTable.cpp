#include "editor/document/errors/ComputeErrorTable.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace quor {
namespace {

// Indexed by code. The texts are what users and their scripts have always
// seen, so their spelling and spacing stay as they are. Code 37 has no text.
constexpr std::array<const char*, 42> kComputeErrorTable = {
    /* 0 */ "No Error",
    /* 1 */ "Cannot open input data file",
    /* 2 */ "QLX file is illegal",
    /* 3 */ "QLX file version is incompatible",
    /* 4 */ "Length unit is illegal",
    /* 5 */ "Footprint width must be positive",
    /* 6 */ "Footprint length must be positive",
    /* 7 */ "Number of layers is greater than 10",
    /* 8 */ "Number of polygons in %s  is greater than 20 or less than 0",
    /* 9 */ "Substrate relative permittivity in %s is less or equal 0",
    /* 10 */ "Height of %s is less or equal 0",
    /* 11 */ "Polygon %d in %s has index greater than 20 or less than 0",
    /* 12 */ "Polygon %d in %s has more than 50 or less than 3 nodes",
    /* 13 */ "Polygon %d in %s is not completely in the footprint",
    /* 14 */ "Polygon %d in %s has zero-length segment",
    /* 15 */ "Polygon %d in %s intersects itself",
    /* 16 */ "Polygon %d in %s intersects with polygon %d in %s",
    /* 17 */ "Cannot allocate memory",
    /* 18 */ "Resolution must be positive",
    /* 19 */ "Refinement must be positive",
    /* 20 */ "Outer polygon %d and inner polygon %d in %s have different conductor indices",
    /* 21 */ "Ground is missing",
    /* 22 */ "Number of plates is greater than 300",
    // Segmentation (23) and the solve (24) refuse the same excess of patches.
    /* 23 */ "Number of unknowns is greater than 6000,reduce resolution",
    /* 24 */ "Number of unknowns is greater than 6000,reduce resolution",
    /* 25 */ "Two vias intersect",
    /* 26 */ "Via %d shorts conductors on different potentials",
    /* 27 */ "Via %d must belong to a conductor",
    /* 28 */ "Via %d interesects polyline",
    /* 29 */ "Start frequency must be positive",
    /* 30 */ "End frequency must be positive",
    /* 31 */ "Number of frequencies cannot be negative",
    /* 32 */ "Frequency unit is illegal",
    /* 33 */ "Number of via segments is less than 3",
    /* 34 */ "Number of vias is less than 0 or greater than 10",
    /* 35 */ "Top or bottom layer for via %d does not exist",
    /* 36 */ "Radius of via %d is negative",
    /* 37 */ nullptr,
    /* 38 */ "Solving system of equations failed",
    /* 39 */ "Reentrant polyline has inproper orientation",
    /* 40 */ "Cannot write output file",
    /* 41 */ "Conductor %d has no unknowns: increase resolution or check its polygons",
};

constexpr const char* kUnknownError = "Unknown error";

}  // namespace

const char* GetComputeErrorText(int code) {
  if (code < 0 || static_cast<std::size_t>(code) >= kComputeErrorTable.size()) return kUnknownError;
  const char* text = kComputeErrorTable[static_cast<std::size_t>(code)];
  return text != nullptr ? text : kUnknownError;
}

std::string OutputFileErrorText(std::string_view basePath, const char (&extension)[8]) {
  std::string text = GetComputeErrorText(kOutputFileNotWritten);
  const std::size_t length = strnlen(extension, sizeof extension);
  if (length == 0) return text;
  text.append(": ").append(basePath).append(".").append(extension, length);
  return text;
}

std::string ConductorErrorText(std::int32_t conductor) {
  const std::string_view text = GetComputeErrorText(kConductorWithoutPatch);
  const std::size_t placeholder = text.find("%d");
  return std::string(text.substr(0, placeholder)) + std::to_string(conductor) +
         std::string(text.substr(placeholder + 2));
}

}  // namespace quor
