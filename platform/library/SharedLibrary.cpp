#include "platform/library/SharedLibrary.h"

#include <dlfcn.h>

namespace quor {

SharedLibrary::SharedLibrary(const std::filesystem::path& file)
    : m_handle(file.is_absolute() ? dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr) {}

void* SharedLibrary::Symbol(const char* name) const {
  return Loaded() ? dlsym(m_handle.get(), name) : nullptr;
}

void SharedLibrary::Closer::operator()(void* handle) const {
  dlclose(handle);
}

}  // namespace quor
