// Compiles the functions between QUOR_BEGIN_INSTRUCTION_SET("avx2") and
// QUOR_END_INSTRUCTION_SET for that instruction set, whatever the rest of the
// program is built for. Include standard headers before the region: their
// inline functions must stay plain.
//
// Clang ignores GCC's pragma, and its own target attribute would still pass
// vectors to the C library's vector functions in memory, where those expect
// them in registers: clang compiles the whole file for the instruction set
// instead (quor_instruction_set in the build).
#pragma once

#if defined(__clang__)
#define QUOR_BEGIN_INSTRUCTION_SET(isa)
#define QUOR_END_INSTRUCTION_SET
#else
#define QUOR_PRAGMA(text) _Pragma(#text)
#define QUOR_BEGIN_INSTRUCTION_SET(isa) QUOR_PRAGMA(GCC push_options) QUOR_PRAGMA(GCC target(isa))
#define QUOR_END_INSTRUCTION_SET QUOR_PRAGMA(GCC pop_options)
#endif
