#include "support/ScopedEnvironmentVariable.h"

#include <stdlib.h>

#include <utility>

namespace quor::test {

namespace {

void Set(const std::string& name, const std::optional<std::string>& value) {
  if (value)
    setenv(name.c_str(), value->c_str(), 1);
  else
    unsetenv(name.c_str());
}

}  // namespace

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::string name,
                                                     const std::optional<std::string>& value)
    : m_name(std::move(name)) {
  if (const char* saved = getenv(m_name.c_str())) m_saved = saved;
  Set(m_name, value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
  Set(m_name, m_saved);
}

}  // namespace quor::test
