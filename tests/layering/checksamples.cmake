# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Runs the layering check on the sample library and fails unless it reports exactly the includes
# marked "forbidden" in the samples, and fails because of them.
#
# cmake -DLIBRARY=FILE -DCHECK=checklayering.cmake -DSAMPLES=DIR -P checksamples.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${CMAKE_COMMAND} -DLIBRARY=${LIBRARY} -P ${CHECK}
                RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "The check passed a library with forbidden includes:\n${output}")
endif()

set(expected)
foreach(name widgetincludes.cpp logicincludes.cpp)
  file(READ ${SAMPLES}/${name} text)
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "// forbidden$")
      list(APPEND expected "${SAMPLES}/${name}:${number}")
    endif()
  endforeach()
endforeach()

string(REGEX MATCHALL "[^\n]*/samples/[^:\n]+:[0-9]+:" reported "${output}")
list(TRANSFORM reported REPLACE ":$" "")
if(NOT reported STREQUAL expected)
  string(REPLACE ";" "\n  " expected_lines "${expected}")
  string(REPLACE ";" "\n  " reported_lines "${reported}")
  message(FATAL_ERROR "Expected these includes to be reported:\n  ${expected_lines}\n"
                      "but the check reported:\n  ${reported_lines}\nIts output:\n${output}")
endif()
list(LENGTH expected count)
message("The check reported all ${count} forbidden includes of the samples and nothing else.")
