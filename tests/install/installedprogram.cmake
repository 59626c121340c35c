# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Installs the program under a fresh prefix and starts it in a folder that holds neither
# readme.txt nor pw.txt:
#   cmake -DBUILD=... -DDRIVE=... -DBINDIR=... -DDATADIR=... -DREADME=... -DSCRIPT=... -DWORK=...
#         -P installedprogram.cmake
# The scenario runner, put beside the installed program, finds the installed data as the program
# does. It must show the installed readme, the same text as a readme.txt in the working
# directory gives, and must not open the gate through a pw.txt among the installed data.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
file(COPY ${DRIVE} DESTINATION ${prefix}/${BINDIR})
get_filename_component(drive_name ${DRIVE} NAME)
file(WRITE ${prefix}/${DATADIR}/pw.txt "secret\r\n")

# run(NAME DRIVE DIR): the script's output in NAME.
function(run name drive dir)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${drive} --dir ${dir} ${SCRIPT}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${drive} failed in ${dir}: ${err}")
  endif()
  # The folder the program runs in is named in its messages.
  file(REAL_PATH ${dir} real_dir)
  string(REPLACE "${real_dir}" "FOLDER" out "${out}")
  file(WRITE ${WORK}/${name}.actual "${out}")
  set(${name} "${out}" PARENT_SCOPE)
endfunction()

run(installed ${prefix}/${BINDIR}/${drive_name} ${WORK}/home)
file(COPY ${README} DESTINATION ${WORK}/local)
run(local ${DRIVE} ${WORK}/local)

if(NOT installed MATCHES "^Fst Help\n\"[^\"]")
  message(FATAL_ERROR "The installed program did not show its readme:\n${installed}")
endif()
if(NOT installed MATCHES "message \"Quillor\" \"The file pw.txt cannot be read. It was looked for in the folder \\\\\"FOLDER\\\\\".\"\nFst Help\n$")
  message(FATAL_ERROR "The installed program read a pw.txt not in its folder:\n${installed}")
endif()
if(NOT installed STREQUAL local)
  message(FATAL_ERROR "The installed readme differs from a local one:\n${installed}\n${local}")
endif()
