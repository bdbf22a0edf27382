// A shared library loaded by path for the life of this object: the editor's
// and the batch runner's hold on the computation library.
#pragma once

#include <filesystem>
#include <memory>

namespace quor {

class SharedLibrary {
 public:
  // Loads the library at this absolute path; Loaded() tells whether it worked.
  // A relative path is not loaded: the loader would search the system's
  // directories for it and could load some other library of that name.
  explicit SharedLibrary(const std::filesystem::path& file);

  bool Loaded() const { return m_handle != nullptr; }
  // The address of an exported symbol, or null when the library has none.
  void* Symbol(const char* name) const;

 private:
  struct Closer {
    void operator()(void* handle) const;
  };
  std::unique_ptr<void, Closer> m_handle;
};

}  // namespace quor
