// The DXF converter program: no arguments, its files in the current directory.
#include <exception>
#include <iostream>

#include "dxfconv/QuorDxfConvMain.h"

int main() {
  try {
    quor::dxfconv::quor_dxf_conv_main(".");
  } catch (const std::exception& e) {
    std::cerr << "quor_dxf_conv: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
