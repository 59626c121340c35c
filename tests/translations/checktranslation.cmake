# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Checks one translation against the sources: cmake -DLUPDATE=... -DGENERATE_PROJECT=...
# -DPROJECT_DESCRIPTION=... -DTRANSLATION=... -DWORK=... -P checktranslation.cmake
#
# lupdate brings a copy of the .ts file in line with the sources. A text that is new or changed in
# the sources comes out unfinished, and one that is gone comes out vanished or obsolete: either
# means the translation in the repository is behind the program.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TRANSLATION} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TRANSLATION} ${copy})

# The sources that the build's own lupdate target reads, with the copy as the translation.
file(READ ${PROJECT_DESCRIPTION} description)
string(REGEX REPLACE "set\\(lupdate_translations [^)]*\\)" "set(lupdate_translations \"${copy}\")"
  description "${description}")
file(WRITE ${WORK}/project.cmake "${description}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -DIN_FILE=${WORK}/project.cmake -DOUT_FILE=${WORK}/project.json
    -P ${GENERATE_PROJECT}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The list of sources for lupdate could not be made")
endif()
execute_process(
  COMMAND ${LUPDATE} -project ${WORK}/project.json -locations none -silent
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR errors MATCHES "[Ww]arning|[Ee]rror")
  message(FATAL_ERROR "lupdate failed on the sources:\n${errors}")
endif()

file(STRINGS ${copy} lines)
set(faults "")
set(context "")
set(source "")
foreach(line IN LISTS lines)
  if(line MATCHES "<name>(.*)</name>")
    set(context "${CMAKE_MATCH_1}")
  elseif(line MATCHES "<source>(.*)</source>")
    set(source "${CMAKE_MATCH_1}")
  elseif(line MATCHES "<source>(.*)")
    set(source "${CMAKE_MATCH_1}...")
  elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    string(APPEND faults "  ${context}: \"${source}\" is ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${name} is not in line with the sources: run "
    "`cmake --build build --target update_translations` and translate\n${faults}")
endif()
