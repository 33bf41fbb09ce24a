# vorlan_add_library(<name> [QT] LIBRARIES <targets...>
#                    [DIRECTORY <folders...>] [SOURCES <files...>])
#
# A library of the suite: its sources, what it links (for its users too),
# and moc for the Qt ones. DIRECTORY takes every .cpp and .h of folders
# beside the CMakeLists.txt ("core"), found anew when one is added or
# removed; SOURCES names files one by one, alone or with folders (a file
# that is made, a source that some builds leave out). Its
# headers are included from the source tree's root ("grid/core/utm.h"),
# as geo's are. A Qt library is no part of the core-only build
# (VORLAN_CORE_ONLY), which has no Qt.
function(vorlan_add_library name)
  cmake_parse_arguments(ARG "QT" "" "LIBRARIES;DIRECTORY;SOURCES" ${ARGN})
  if(ARG_QT AND VORLAN_CORE_ONLY)
    return()
  endif()
  vorlan_folder_files(sources "${ARG_DIRECTORY}" *.cpp *.h)
  add_library(${name} STATIC ${sources} ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC ${ARG_LIBRARIES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/..)
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# vorlan_folder_files(<variable> "<folders...>" <patterns...>)
#
# The files of the folders (beside the calling CMakeLists.txt) that match
# the patterns, sorted, in <variable>; the build is configured anew when
# one is added or removed. A folder that holds none is an error.
function(vorlan_folder_files variable folders)
  set(all)
  foreach(folder IN LISTS folders)
    set(patterns)
    foreach(pattern IN LISTS ARGN)
      list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/${pattern})
    endforeach()
    file(GLOB files CONFIGURE_DEPENDS ${patterns})
    if(NOT files)
      message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${folder} holds no ${ARGN}")
    endif()
    list(SORT files)
    list(APPEND all ${files})
  endforeach()
  set(${variable} ${all} PARENT_SCOPE)
endfunction()

# vorlan_add_module(<program>
#   SOURCES <files...>          the program's own sources (main.cpp)
#   LIBRARIES <targets...>      what it links (its window and core)
#   TITLE <text>                the desktop entry's name ("Distance and Course")
#   COMMENT <text>              the desktop entry's comment
#   KEYWORDS <a;b;...>          the desktop entry's keywords
#   [MANUAL <page.1>]           its manual page (packaging/man/<program>.1)
#   [WINDOW_ARGUMENTS <text>])  what the desktop entry passes
#
# Builds a module of the suite into the program folder beside the launcher
# and registers it, so that packaging/ installs it with everything a module
# has: the program in the program folder, a starter on the path, a desktop
# entry and the compressed manual page. The core-only build has no modules.
function(vorlan_add_module program)
  if(VORLAN_CORE_ONLY)
    return()
  endif()
  cmake_parse_arguments(ARG "" "TITLE;COMMENT;KEYWORDS;MANUAL;WINDOW_ARGUMENTS" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_MANUAL)
    set(ARG_MANUAL ${PROJECT_SOURCE_DIR}/packaging/man/${program}.1)
  endif()
  foreach(required TITLE COMMENT KEYWORDS)
    if(NOT ARG_${required})
      message(FATAL_ERROR "vorlan_add_module(${program}): ${required} is missing")
    endif()
  endforeach()
  add_executable(${program} ${ARG_SOURCES})
  target_link_libraries(${program} PRIVATE ${ARG_LIBRARIES})
  add_dependencies(${program} vorlan_print) # the print module lies beside the programs
  set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VORLAN_PROGRAM_DIR})
  get_filename_component(manual ${ARG_MANUAL} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set_target_properties(${program} PROPERTIES VORLAN_TITLE "${ARG_TITLE}" VORLAN_MANUAL "${manual}")
  set_property(GLOBAL APPEND PROPERTY VORLAN_MODULES ${program})
  vorlan_add_desktop_entry(${program} PROGRAM ${program} TITLE "${ARG_TITLE}" COMMENT "${ARG_COMMENT}"
                           KEYWORDS "${ARG_KEYWORDS}" ARGUMENTS "${ARG_WINDOW_ARGUMENTS}")
endfunction()

# vorlan_add_desktop_entry(<id> PROGRAM <program> TITLE <text> COMMENT <text>
#   KEYWORDS <a;b;...> [ARGUMENTS <text>])
#
# A menu entry <id>.desktop that starts a module's window, given the
# arguments: a module's own (vorlan_add_module makes it), or a second one
# for another mode of the same program ("Tidal Streams", ebbflow STR).
function(vorlan_add_desktop_entry id)
  cmake_parse_arguments(ARG "" "PROGRAM;TITLE;COMMENT;KEYWORDS;ARGUMENTS" "" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY VORLAN_DESKTOP_ENTRIES ${id})
  foreach(field PROGRAM TITLE COMMENT KEYWORDS ARGUMENTS)
    set_property(GLOBAL PROPERTY VORLAN_ENTRY_${id}_${field} "${ARG_${field}}")
  endforeach()
endfunction()
