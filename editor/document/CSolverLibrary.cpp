#include "editor/document/CSolverLibrary.h"

#include <dlfcn.h>

#include "editor/document/ProgramDirectory.h"
#include "tessmor/Tessmor.h"

namespace quor {

CSolverLibrary& CSolverLibrary::Instance() {
  // Beside the program, by absolute path: the loader does not search there.
  static CSolverLibrary library(GetProgramDirectory() + kTessmorLibraryName);
  return library;
}

CSolverLibrary::CSolverLibrary(const std::string& path)
    : m_module(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

CSolverLibrary::~CSolverLibrary() = default;

void* CSolverLibrary::GetProcAddress(const char* name) const {
  return IsLoaded() ? dlsym(m_module.get(), name) : nullptr;
}

void CSolverLibrary::ModuleCloser::operator()(void* module) const {
  dlclose(module);
}

}  // namespace quor
