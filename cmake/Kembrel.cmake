# kb_add_test(<name> [GUI] SOURCES <files...> LIBS <targets...>)
# A GoogleTest program run by ctest. Display-free tests (label "core") get a
# QCoreApplication; GUI tests (label "gui") a QApplication on the offscreen
# platform and are left out of a KB_CORE_ONLY build.
function(kb_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  if(T_GUI AND KB_CORE_ONLY)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${name} PRIVATE kb_testmain_gui ${T_LIBS})
    set(label gui)
  else()
    target_link_libraries(${name} PRIVATE kb_testmain_core ${T_LIBS})
    set(label core)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    LABELS ${label}
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KB_SOURCE_DIR=${PROJECT_SOURCE_DIR};KB_BIN_DIR=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
endfunction()

# kb_core_library(<name> <sources...>): a display-free library (QtCore only).
function(kb_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core)
endfunction()

# kb_widgets_library(<name> <sources...>): the windows of a folder.
function(kb_widgets_library name)
  if(KB_CORE_ONLY)
    return()
  endif()
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/widgets)
  target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport kb_common_widgets)
endfunction()
