// What the processor offers beyond the x86-64 baseline the build targets, for
// the few loops that have a wider version.
#pragma once

namespace quor::numeric {

inline bool ProcessorHasAvx2() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
}

inline bool ProcessorHasAvx512() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") != 0;
  }();
  return has;
}

}  // namespace quor::numeric
