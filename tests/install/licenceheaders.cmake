# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Fails on a source file that does not start with its licence and its copyright:
#   // SPDX-License-Identifier: GPL-3.0-or-later
#   // SPDX-FileCopyrightText: 2026 The Quillor developers
# with "#" for "//" outside C++, and after the "#!" line of a script. The files are those git
# tracks: C++ sources and headers, CMake files, shell scripts and every other file that starts
# with "#!".
#   cmake -DSOURCE=... -P licenceheaders.cmake
cmake_minimum_required(VERSION 3.25)

find_program(git git NO_CACHE)
if(NOT git)
  message("git is not installed: skipped")
  return()
endif()
execute_process(COMMAND ${git} -c core.quotePath=false ls-files WORKING_DIRECTORY ${SOURCE}
  RESULT_VARIABLE status OUTPUT_VARIABLE tracked ERROR_QUIET)
if(NOT status EQUAL 0)
  message("${SOURCE} is not a git work tree: skipped")
  return()
endif()
string(REPLACE "\n" ";" tracked "${tracked}")

set(year "[0-9][0-9][0-9][0-9]")
set(missing "")
foreach(path IN LISTS tracked)
  set(file ${SOURCE}/${path})
  if(path MATCHES "\\.(cpp|h)$")
    set(comment "//")
  elseif(path MATCHES "(\\.cmake|\\.sh|(^|/)CMakeLists\\.txt)$")
    set(comment "#")
  elseif(IS_SYMLINK ${file} OR IS_DIRECTORY ${file})
    continue()
  else()
    file(READ ${file} start LIMIT 2)
    if(NOT start STREQUAL "#!")
      continue()
    endif()
    set(comment "#")
  endif()
  file(READ ${file} head LIMIT 1000)
  if(NOT head MATCHES "^(#![^\n]*\n)?${comment} SPDX-License-Identifier: GPL-3\\.0-or-later\n${comment} SPDX-FileCopyrightText: ${year}([-, ]+${year})* The Quillor developers\n")
    string(APPEND missing "  ${path}\n")
  endif()
endforeach()

if(missing)
  message(FATAL_ERROR "These files do not start with their licence and copyright lines:\n"
                      "${missing}")
endif()
