// The build installed with `cmake --install` into a temporary prefix, once
// per test program, as a user installs it.
#pragma once

#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace quor::test {

class InstalledTree {
 public:
  // Installs on first use; Installed() says whether the install succeeded.
  static const InstalledTree& Get();

  bool Installed() const { return m_status == 0; }
  const std::string& InstallOutput() const { return m_output; }

  const std::filesystem::path& Prefix() const { return m_prefix.Path(); }
  std::filesystem::path Bin() const { return Prefix() / "bin"; }
  // The private folder that holds every program, the library and the templates.
  std::filesystem::path ProgramFolder() const { return Prefix() / QUOR_INSTALL_PROGRAM_DIR; }
  std::filesystem::path Share() const { return Prefix() / "share"; }

 private:
  InstalledTree();

  TempDir m_prefix{"quor-install-"};
  int m_status = -1;
  std::string m_output;
};

}  // namespace quor::test
