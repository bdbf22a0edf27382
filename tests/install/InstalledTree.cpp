#include "InstalledTree.h"

#include "support/RunCommand.h"

namespace quor::test {

const InstalledTree& InstalledTree::Get() {
  static const InstalledTree tree;
  return tree;
}

InstalledTree::InstalledTree() {
  const CommandResult install = RunCommand(
      "'" QUOR_CMAKE_COMMAND "' --install '" QUOR_BUILD_DIR "' --prefix '" + Prefix().string() + "' 2>&1");
  m_status = install.status;
  m_output = install.output;
}

}  // namespace quor::test
