# cmake --install <build> --prefix <P>:
#   P/lib/kembrel/           the program and its databases, which it reads and the
#                            editor writes in its own folder (so the user must own it)
#   P/bin/kembrel            the command, a relative link to the program
#   P/share/applications/    the desktop entry (Office, Engineering)
#   P/share/icons/hicolor/   its icon
# A reinstall keeps databases already there: they hold the user's edits.
if(NOT TARGET kembrel)
  return()
endif()

set(KB_PROGRAM_DIR lib/kembrel)
install(TARGETS kembrel RUNTIME DESTINATION ${KB_PROGRAM_DIR})
# The installed program carries no debug information (most of its size); the
# build tree keeps it for whoever debugs. Its symbols stay, for readable backtraces.
if(CMAKE_STRIP)
  install(CODE "
    set(program \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KB_PROGRAM_DIR}/kembrel\")
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug \"\${program}\" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR \"Could not strip \${program}\")
    endif()")
endif()

foreach(name CABLE-PIPE.qvx CABLE-SIZE.qvx KAHOU.qvx)
  set(db ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name})
  install(CODE "
    set(target \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KB_PROGRAM_DIR}/${name}\")
    if(EXISTS \"\${target}\")
      message(STATUS \"Kept (the user's data): \${target}\")
    else()
      message(STATUS \"Installing: \${target}\")
      file(COPY \"${db}\" DESTINATION \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KB_PROGRAM_DIR}\"
           FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()")
endforeach()

install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(REMOVE \"\${bin}/kembrel\")
  message(STATUS \"Installing: \${bin}/kembrel -> ../${KB_PROGRAM_DIR}/kembrel\")
  file(CREATE_LINK \"../${KB_PROGRAM_DIR}/kembrel\" \"\${bin}/kembrel\" SYMBOLIC)")

install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallDesktopEntry.cmake)
install(FILES ${PROJECT_SOURCE_DIR}/app/desktop/kembrel.svg DESTINATION share/icons/hicolor/scalable/apps)

add_test(NAME install COMMAND bash ${PROJECT_SOURCE_DIR}/app/tests/test_install.sh ${CMAKE_BINARY_DIR} ${CMAKE_COMMAND})
set_tests_properties(install PROPERTIES LABELS install TIMEOUT 120)
