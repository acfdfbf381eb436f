# Run by cmake --install: writes the desktop entry for the prefix installed to.
# The entry names the command by its full path, so the prefix's bin need not be on PATH.
set(command "${CMAKE_INSTALL_PREFIX}/bin/kembrel")

# Exec: one quoted argument, in which " ` $ and \ take a backslash, and % is doubled;
# then, as for every value of the entry, each backslash is doubled once more.
string(REPLACE "\\" "\\\\" exec "${command}")
string(REGEX REPLACE "([\"`$])" "\\\\\\1" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
set(KB_EXEC "\"${exec}\"")
string(REPLACE "\\" "\\\\" KB_TRY_EXEC "${command}")

set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/kembrel.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/../app/desktop/kembrel.desktop.in" "${entry}" @ONLY)
