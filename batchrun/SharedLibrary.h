// A shared library loaded for the life of this object.
#pragma once

#include <filesystem>
#include <memory>

namespace quor {

class SharedLibrary {
 public:
  // Loads the library at this absolute path; Loaded() tells whether it worked.
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
