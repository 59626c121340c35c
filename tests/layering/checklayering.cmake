# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Reports every include in a source of the logic library that reaches QtWidgets, QtPrintSupport or
# the window library, and fails when there is one.
#
# cmake -DLIBRARY=FILE -P checklayering.cmake, where FILE sets logic_sources, logic_source_dir,
# logic_include_dirs, window_sources, window_source_dir, forbidden_module_dirs and generated_dir.
#
# An include is forbidden when it
#  - names QtWidgets or QtPrintSupport itself: <QtWidgets>, <QtWidgets/QPushButton>;
#  - resolves, as the compiler would look for it, to a source of the window library;
#  - resolves nowhere on the logic library's include path but to a header in the include folder of
#    QtWidgets or QtPrintSupport: <QPushButton>, <QPrinter>, "qwidget.h". QtGui headers that
#    QtWidgets keeps a forwarding copy of (<qaction.h>) resolve on the path first and are allowed.

cmake_minimum_required(VERSION 3.25)

include(${LIBRARY})

# The Qt modules' own folders only: their interface also lists the Qt root and QtCore and QtGui.
set(module_dirs)
foreach(dir IN LISTS forbidden_module_dirs)
  get_filename_component(name "${dir}" NAME)
  if(name MATCHES "^Qt(Widgets|PrintSupport)$")
    list(APPEND module_dirs "${dir}")
  endif()
endforeach()
list(REMOVE_DUPLICATES module_dirs)
if(NOT module_dirs)
  message(FATAL_ERROR "The include folders of QtWidgets and QtPrintSupport were not found in: "
                      "${forbidden_module_dirs}")
endif()

set(window_files)
foreach(source IN LISTS window_sources)
  get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${window_source_dir}")
  list(APPEND window_files "${source}")
endforeach()

# Sets `found` to the first file named `header` in the folders `dirs`, or to "".
function(find_header header dirs)
  foreach(dir IN LISTS dirs)
    if(EXISTS "${dir}/${header}" AND NOT IS_DIRECTORY "${dir}/${header}")
      get_filename_component(path "${dir}/${header}" ABSOLUTE)
      set(found "${path}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(found "" PARENT_SCOPE)
endfunction()

# Sets `reason` to why including `header` (written between `delimiter`s) from `file` is forbidden,
# or to "".
function(forbidden_reason file delimiter header)
  set(reason "" PARENT_SCOPE)
  if(header MATCHES "^(QtWidgets|QtPrintSupport)(/|$)")
    set(reason "is a header of ${CMAKE_MATCH_1}" PARENT_SCOPE)
    return()
  endif()
  set(search_path ${logic_include_dirs})
  if(delimiter STREQUAL "\"")
    get_filename_component(file_dir "${file}" DIRECTORY)
    list(PREPEND search_path "${file_dir}")
  endif()
  find_header("${header}" "${search_path}")
  if(found)
    if(found IN_LIST window_files)
      set(reason "is a header of the window library" PARENT_SCOPE)
    endif()
    return()
  endif()
  foreach(dir IN LISTS module_dirs)
    find_header("${header}" "${dir}")
    if(found)
      get_filename_component(module "${dir}" NAME)
      set(reason "is a header of ${module}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

set(violations 0)
set(checked 0)
foreach(source IN LISTS logic_sources)
  get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${logic_source_dir}")
  # Files the build generates (moc output) come from headers that are checked themselves.
  string(FIND "${source}" "${generated_dir}/" in_build_tree)
  if(in_build_tree EQUAL 0)
    continue()
  endif()
  if(NOT EXISTS "${source}")
    message(FATAL_ERROR "A source of the logic library is missing: ${source}")
  endif()
  math(EXPR checked "${checked} + 1")

  # One list element per line. Brackets and semicolons would upset CMake's list splitting, and no
  # include needs them.
  file(READ "${source}" text)
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
      continue()
    endif()
    set(delimiter "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_2}")
    forbidden_reason("${source}" "${delimiter}" "${header}")
    if(reason)
      if(delimiter STREQUAL "<")
        set(spelling "<${header}>")
      else()
        set(spelling "\"${header}\"")
      endif()
      message("${source}:${number}: ${spelling} ${reason}")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "No source of the logic library was found to check.")
endif()
if(violations GREATER 0)
  message(FATAL_ERROR "The logic library must not use widgets or printing. Forbidden includes: "
                      "${violations}, in ${checked} files checked.")
endif()
message("${checked} sources of the logic library include no widget or printing header.")
