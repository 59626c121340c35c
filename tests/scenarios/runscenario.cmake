# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Runs one scenario: cmake -DDRIVE=... [-DOPTIONS=...] -DSCRIPT=... -DEXPECTED=... -DFIXTURE=...
# -DWORK=... -P runscenario.cmake
#
# The actual output is what the runner printed, followed, when it failed, by its error output
# and a line "exit N"; the work directory, where a message names it, reads WORK. It is kept beside
# the work directory as NAME.actual for inspection.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(IS_DIRECTORY ${FIXTURE})
  file(COPY ${FIXTURE}/ DESTINATION ${WORK})
endif()

separate_arguments(options UNIX_COMMAND "${OPTIONS}")
execute_process(
  COMMAND ${DRIVE} ${options} --dir ${WORK} ${SCRIPT}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  string(APPEND actual "${errors}exit ${status}\n")
endif()
file(REAL_PATH ${WORK} real_work)
string(REPLACE "${real_work}" "WORK" actual "${actual}")

set(actual_file ${WORK}.actual)
file(WRITE ${actual_file} "${actual}")
if(NOT EXISTS ${EXPECTED})
  execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${actual_file})
  message(FATAL_ERROR "No expected output ${EXPECTED}; this run's output is above")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND ${DIFF} -u ${EXPECTED} ${actual_file})
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${EXPECTED} ${actual_file})
  endif()
  message(FATAL_ERROR "The output differs from ${EXPECTED}")
endif()
