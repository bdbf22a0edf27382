// A scratch file in the temporary directory that has no name: it is removed
// from the directory as soon as it is open and disappears when closed.
#pragma once

#include <fstream>

namespace quor::dxfconv {

class ScratchFile {
 public:
  ScratchFile();

  bool IsOpen() const { return m_stream.is_open(); }
  std::fstream& Stream() { return m_stream; }

 private:
  std::fstream m_stream;
};

}  // namespace quor::dxfconv
