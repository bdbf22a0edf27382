// The editor's hold on the computation library: loaded once from the program
// directory for the life of the process, each export looked up by name at
// the moment it is used, so that a missing export fails only the command that
// needs it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/library/SharedLibrary.h"
#include "tessmor/Tessmor.h"

namespace quor {

class CSolverLibrary {
 public:
  // The one holder; the first call loads the library.
  static CSolverLibrary& Instance();

  explicit CSolverLibrary(const std::string& path);
  virtual ~CSolverLibrary();
  CSolverLibrary(const CSolverLibrary&) = delete;
  CSolverLibrary& operator=(const CSolverLibrary&) = delete;

  // False when the library could not be loaded; the editor does not start then.
  bool IsLoaded() const { return m_module.Loaded(); }
  // The address of an export, looked up anew; null when the library has none.
  void* GetProcAddress(const char* name) const;
  // Segment or Tessmor, for a worker thread; null when the library has none.
  StageExport GetStage(const char* name) const;

  // Runs the check on the calling thread; true when the job's Error is 0
  // afterwards. Both throw TextError when the library lacks the export.
  bool Checker(ComputeJob* job) const;
  // Returns Subtract's SubtractResult code. The library's own Point3 and Polygon,
  // not the model's.
  int Subtract(const ::Polygon* a, const ::Polygon* b, ::Point3* out, std::int32_t* count,
               double tolerance) const;

  // "Could not find function "<name>" in libTessmor.so".
  static std::string MissingExportText(const char* name);

 private:
  template <typename Export>
  Export Require(const char* name) const;

  SharedLibrary m_module;
};

}  // namespace quor
