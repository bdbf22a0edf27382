// The editor's hold on the computation library: loaded once from the program
// directory for the life of the process, each export looked up by name at
// the moment it is used, so that a missing export fails only the command that
// needs it.
#pragma once

#include <memory>
#include <string>

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
  bool IsLoaded() const { return m_module != nullptr; }
  // The address of an export, looked up anew; null when the library has none.
  void* GetProcAddress(const char* name) const;

 private:
  struct ModuleCloser {
    void operator()(void* module) const;
  };
  std::unique_ptr<void, ModuleCloser> m_module;
};

}  // namespace quor
