// Sets or clears an environment variable for as long as the object lives,
// then gives it back the value it had.
#pragma once

#include <optional>
#include <string>

namespace quor::test {

class ScopedEnvironmentVariable {
 public:
  // Without a value the variable is cleared.
  ScopedEnvironmentVariable(std::string name, const std::optional<std::string>& value);
  ~ScopedEnvironmentVariable();
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

 private:
  std::string m_name;
  std::optional<std::string> m_saved;
};

}  // namespace quor::test
