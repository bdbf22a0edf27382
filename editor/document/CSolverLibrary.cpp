#include "editor/document/CSolverLibrary.h"

#include "platform/error/TextError.h"
#include "platform/paths/ProgramDirectory.h"

namespace quor {

CSolverLibrary& CSolverLibrary::Instance() {
  // Beside the program, by absolute path: the loader does not search there.
  static CSolverLibrary library((ProgramDirectory() / kTessmorLibraryName).string());
  return library;
}

CSolverLibrary::CSolverLibrary(const std::string& path) : m_module(path) {}

CSolverLibrary::~CSolverLibrary() = default;

void* CSolverLibrary::GetProcAddress(const char* name) const {
  return m_module.Symbol(name);
}

StageExport CSolverLibrary::GetStage(const char* name) const {
  return reinterpret_cast<StageExport>(GetProcAddress(name));
}

std::string CSolverLibrary::MissingExportText(const char* name) {
  return std::string("Could not find function \"") + name + "\" in " + kTessmorLibraryName;
}

template <typename Export>
Export CSolverLibrary::Require(const char* name) const {
  void* address = GetProcAddress(name);
  if (address == nullptr) throw TextError(MissingExportText(name));
  return reinterpret_cast<Export>(address);
}

bool CSolverLibrary::Checker(ComputeJob* job) const {
  Require<StageExport>("Checker")(job);
  return job->Error == 0;
}

int CSolverLibrary::Subtract(const ::Polygon* a, const ::Polygon* b, ::Point3* out, std::int32_t* count,
                             double tolerance) const {
  return Require<SubtractExport>("Subtract")(a, b, out, count, tolerance);
}

}  // namespace quor
