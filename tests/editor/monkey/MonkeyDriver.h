// The random-edit test's driver: from a seed, operations of every kind a user
// has (tools and their gestures, keys, the view's and the document's
// commands, the project tree, the Layers window, the info bar, save, close
// and reopen), each through the entry point the user's gesture reaches, with
// the checker's invariants after each, rounds of undo to the start and redo
// to the end, and the saved file read back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace quor::test {

// Faults whose mends are on their way: while a switch is set, the driver
// leaves alone the operations that show that fault.
struct KnownFaults {
  // Dialog numbers that are not finite or overflow after a unit conversion.
  bool hostileNumbers = false;
};

struct MonkeyRun {
  std::uint64_t seed = 1;
  int count = 1000;
  std::filesystem::path folder;  // for the project file
  KnownFaults avoid;
};

struct MonkeyResult {
  int operations = 0;  // run, the failing one included
  // Empty when every operation passed; else what failed, after the
  // operations that led to it.
  std::string failure;
};

MonkeyResult RunMonkey(const MonkeyRun& run);

}  // namespace quor::test
