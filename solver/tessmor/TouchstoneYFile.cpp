#include "solver/tessmor/TouchstoneYFile.h"

#include <numbers>
#include <ostream>

#include "solver/TextNumbers.h"
#include "solver/tessmor/FrequencySweep.h"
#include "solver/tessmor/SquareMatrix.h"

namespace quor::solver {

namespace {

constexpr int kFrequencyWidth = 8;
constexpr int kFrequencyDigits = 5;
constexpr int kValueWidth = 18;
constexpr int kValueDigits = 6;
// Rows of more than four entries go on over several lines.
constexpr std::int32_t kEntriesPerLine = 4;
constexpr const char* kContinuation = "            ";  // 12 blanks

const char* OptionLine(std::int32_t frequencyUnit) {
  switch (frequencyUnit) {
    case 1000:
      return "# KHZ Y RI R 1";
    case 1000000:
      return "# MHZ Y RI R 1";
    case 1000000000:
      return "# GHZ Y RI R 1";
    default:
      return nullptr;
  }
}

// The real part is always zero.
void WriteEntry(std::ostream& out, double imaginary) {
  out << "    0  " << FormatScientific(imaginary, kValueDigits, kValueWidth);
}

// Ports l and m count from 1: conductor 0 is the reference.
void WritePoint(std::ostream& out, const SquareMatrix& maxwell, double omegaFarads) {
  const std::int32_t ports = maxwell.Size() - 1;
  auto entry = [&](std::int32_t l, std::int32_t m) { WriteEntry(out, omegaFarads * maxwell(l, m)); };
  if (ports == 2) {
    // The two-port order is column by column.
    entry(1, 1);
    entry(2, 1);
    entry(1, 2);
    entry(2, 2);
    out << '\n';
    return;
  }
  if (ports < 3) {
    if (ports == 1) entry(1, 1);
    out << '\n';
    return;
  }
  for (std::int32_t l = 1; l <= ports; ++l) {
    if (l > 1) out << kContinuation;
    for (std::int32_t m = 1; m <= ports; ++m) {
      entry(l, m);
      if (m % kEntriesPerLine == 0 && m < ports) out << '\n' << kContinuation;
    }
    out << '\n';
  }
}

}  // namespace

std::string TouchstoneYFileName(const std::string& basePath, std::int32_t conductorCount) {
  const std::int32_t ports = conductorCount - 1;
  return basePath + ".y" + std::to_string(ports) + (ports < 10 ? "p" : "");
}

std::int64_t WriteTouchstoneYFile(std::ostream& out, const SquareMatrix& maxwell, const FrequencySweep& sweep,
                                  std::int32_t frequencyUnit, double lengthUnitMetres,
                                  const SweepPointWritten& pointWritten) {
  if (const char* option = OptionLine(frequencyUnit)) out << option << '\n';
  std::int64_t written = 0;
  while (written < sweep.Count() && !out.fail()) {
    const double f = sweep.Point(written);
    out << FormatScientific(f, kFrequencyDigits, kFrequencyWidth);
    const double omega = 2.0 * std::numbers::pi * f * static_cast<double>(frequencyUnit);
    WritePoint(out, maxwell, omega * lengthUnitMetres);
    ++written;
    if (pointWritten && !pointWritten(written)) break;
  }
  return written;
}

}  // namespace quor::solver
