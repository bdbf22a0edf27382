# Third-party packages, found once for the whole tree.
find_package(Threads REQUIRED)
find_package(GTest REQUIRED)
find_package(benchmark QUIET)
find_package(LAPACK REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX EGL)
find_package(wxWidgets 3.2 REQUIRED COMPONENTS gl core base net)

# wx as one imported target whose headers count as system headers, so that
# -Werror applies to our code only.
add_library(quor_wx INTERFACE)
target_include_directories(quor_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(quor_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(quor_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(quor_wx INTERFACE ${wxWidgets_LIBRARIES})
add_library(quor::wx ALIAS quor_wx)
