// What a document's compute road reaches outside itself: the computation
// library, the windows it opens, and the program directory that holds the
// companion programs. The editor provides one set for all documents; tests
// provide their own library, program directory and windows.
#pragma once

#include <filesystem>
#include <string>

namespace quor {

class CSolverLibrary;
class ComputeWindows;

struct ComputeServices {
  CSolverLibrary& library;
  ComputeWindows& windows;
  // The 3D viewer, the DXF converter and its templates.
  std::filesystem::path programDirectory;
  // The 3D viewer keeps this file locked while it runs.
  std::filesystem::path viewerLock;
};

}  // namespace quor
