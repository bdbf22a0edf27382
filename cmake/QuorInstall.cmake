# Where an installed QUOR lies: every program, the library and the templates
# share one private folder, as they share build/bin/, and the programs a user
# starts are linked from the bin directory. A program finds its folder through
# /proc/self/exe, which names the link's target, not the link.
include(GNUInstallDirs)
set(QUOR_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/quor)

# quor_install_program(TARGET [COMMAND]): the program or library into the
# program folder; COMMAND also links it from the bin directory under its name.
function(quor_install_program target)
  cmake_parse_arguments(P "COMMAND" "" "" ${ARGN})
  install(TARGETS ${target}
    RUNTIME DESTINATION ${QUOR_INSTALL_PROGRAM_DIR}
    LIBRARY DESTINATION ${QUOR_INSTALL_PROGRAM_DIR})
  if(P_COMMAND)
    # Relative, so that the link holds under any prefix and in a staging
    # folder such as the package's.
    file(RELATIVE_PATH to_program ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/quor)
    set(link ${CMAKE_BINARY_DIR}/command-links/${target})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/command-links)
    file(CREATE_LINK ${to_program}/${target} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endfunction()
