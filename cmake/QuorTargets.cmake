# Helpers every folder uses to declare its targets and tests.

# Warnings for our own code.
function(quor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Wno-missing-field-initializers)
  # GCC 12 reports overlapping copies inside std::string (a literal joined to
  # a string, an assignment) that cannot happen, whenever its optimiser
  # inlines deeply enough: in Release builds, here and there across the tree.
  # The warning is left on for every other compiler.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(QUOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# quor_instruction_set(TARGET FILE ISA): FILE of TARGET holds code for a wider
# instruction set (avx2, avx512f) in a region of solver/numeric/
# InstructionSetRegion.h. GCC takes the set from the region's pragma; clang
# compiles the whole file for it. Such files share no inline functions with
# the rest, so none compiled for the wider set can stand in for a plain one.
function(quor_instruction_set target file isa)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set_property(SOURCE ${file} TARGET_DIRECTORY ${target} APPEND PROPERTY COMPILE_OPTIONS -m${isa})
  endif()
endfunction()

# quor_add_test(NAME SOURCES a.cpp ... [LIBS lib ...] [GUI] [MAIN])
# A test program made of GoogleTest cases.
#  GUI:  needs a display; runs as one ctest under the "gui" label, one at a time
#        (the tests share the X pointer), with the wx test main.
#  otherwise each case is discovered as its own ctest and runs in the sanitizer build too.
function(quor_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  quor_warnings(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    QUOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QUOR_BIN_DIR="${QUOR_BIN_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_GUI)
    target_link_libraries(${name} PRIVATE ${T_LIBS} quor_wx_test_main GTest::gtest GTest::gmock)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS gui RESOURCE_LOCK display TIMEOUT 600)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# quor_add_benchmark(NAME SOURCES ... [LIBS ...]): built, never registered with CTest.
function(quor_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  quor_warnings(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${B_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
