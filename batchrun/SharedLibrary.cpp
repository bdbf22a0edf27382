#include "batchrun/SharedLibrary.h"

#include <dlfcn.h>

namespace quor {

// A relative name would have the loader search the system's directories and
// could load some other library of that name.
SharedLibrary::SharedLibrary(const std::filesystem::path& file)
    : m_handle(file.is_absolute() ? dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr) {}

void* SharedLibrary::Symbol(const char* name) const {
  return Loaded() ? dlsym(m_handle.get(), name) : nullptr;
}

void SharedLibrary::Closer::operator()(void* handle) const {
  dlclose(handle);
}

}  // namespace quor
