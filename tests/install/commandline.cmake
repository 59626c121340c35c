# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Checks the program's own command line: cmake -DQUILLOR=... -DVERSION=... -P commandline.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")

# run(NAME ARGS...): runs the program; sets NAME_status, NAME_out and NAME_err.
function(run name)
  execute_process(COMMAND ${QUILLOR} ${ARGN} TIMEOUT 30
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${name}_status "${status}" PARENT_SCOPE)
  set(${name}_out "${out}" PARENT_SCOPE)
  set(${name}_err "${err}" PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT actual STREQUAL expected)
    set(failures "${failures}${what}: got \"${actual}\", expected \"${expected}\"\n" PARENT_SCOPE)
  endif()
endfunction()

function(expect_match what actual pattern)
  if(NOT actual MATCHES "${pattern}")
    set(failures "${failures}${what}: got \"${actual}\", expected to match ${pattern}\n"
        PARENT_SCOPE)
  endif()
endfunction()

# --help and --version need no display: without one, Qt would end the program at its start.
set(qt_platform "$ENV{QT_QPA_PLATFORM}")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

run(help --help)
expect("--help status" "${help_status}" 0)
expect_match("--help output" "${help_out}" "^Usage: quillor \\[--help\\] \\[--version\\]\n")
expect_match("--help output" "${help_out}" "readme.txt")
expect_match("--help output" "${help_out}" "pw.txt")
expect("--help errors" "${help_err}" "")
run(short_help -h)
expect("-h output" "${short_help_out}" "${help_out}")

run(version --version)
expect("--version status" "${version_status}" 0)
expect("--version output" "${version_out}" "quillor ${VERSION}\n")
expect("--version errors" "${version_err}" "")
run(short_version -v)
expect("-v output" "${short_version_out}" "${version_out}")

# An argument nobody knows is refused before the window system starts: without a display too.
run(bogus --bogus)
expect("--bogus status" "${bogus_status}" 2)
expect("--bogus output" "${bogus_out}" "")
expect_match("--bogus errors" "${bogus_err}"
  "^quillor: unknown argument \"--bogus\"\nUsage: quillor \\[--help\\] \\[--version\\]\n")
run(stray -platform offscreen stray)
expect("stray argument status" "${stray_status}" 2)
expect_match("stray argument errors" "${stray_err}" "unknown argument \"stray\"")

# Qt's own options are Qt's; an argument nobody knows ends the program before any window opens.
set(ENV{QT_QPA_PLATFORM} "${qt_platform}")
run(unknown -platform offscreen --colour red)
expect("unknown argument status" "${unknown_status}" 2)
expect("unknown argument output" "${unknown_out}" "")
expect_match("unknown argument errors" "${unknown_err}" "unknown argument \"--colour\"")
# An option of Qt that the running platform does not take is left over, and refused.
run(leftover -platform offscreen -display :5)
expect("leftover argument status" "${leftover_status}" 2)
expect_match("leftover argument errors" "${leftover_err}" "unknown argument \"-display\"")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
