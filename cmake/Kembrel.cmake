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

# kb_subsystem(<folder>): the usual shape of a calculator folder, by file globs so
# that adding a file needs no CMake edit:
#   <folder>/*.cpp            -> kb_<folder>          (display-free, QtCore)
#   <folder>/widgets/*.cpp    -> kb_<folder>_widgets  (the windows)
#   <folder>/tests/test_*.cpp -> one test program each; names ending in _gui are GUI tests
# Extra libraries: kb_subsystem(<folder> CORE_LIBS ... )
function(kb_subsystem folder)
  cmake_parse_arguments(S "" "" "CORE_LIBS" ${ARGN})
  file(GLOB core_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  kb_core_library(kb_${folder} ${core_sources})
  target_link_libraries(kb_${folder} PUBLIC kb_common ${S_CORE_LIBS})
  if(NOT KB_CORE_ONLY)
    file(GLOB widget_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/widgets/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/widgets/*.h)
    kb_widgets_library(kb_${folder}_widgets ${widget_sources})
    target_link_libraries(kb_${folder}_widgets PUBLIC kb_${folder})
  endif()
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_*.cpp)
  foreach(t ${tests})
    get_filename_component(name ${t} NAME_WE)
    if(name MATCHES "_gui$")
      kb_add_test(${folder}_${name} GUI SOURCES ${t} LIBS kb_${folder}_widgets)
    else()
      kb_add_test(${folder}_${name} SOURCES ${t} LIBS kb_${folder})
    endif()
  endforeach()
endfunction()
