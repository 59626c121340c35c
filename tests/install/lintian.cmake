# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Runs Debian's package checker on the package that install.debianpackage made in WORK, and fails
# on any error or warning it reports; its lesser notes are left to whoever reads its output.
#   cmake -DWORK=... -P lintian.cmake
cmake_minimum_required(VERSION 3.25)

find_program(lintian lintian NO_CACHE)
if(NOT lintian)
  message("lintian is not installed: skipped")
  return()
endif()
file(GLOB package ${WORK}/quillor_*.deb)
if(NOT package)
  message("install.debianpackage made no package: skipped")
  return()
endif()

# --info explains each tag it shows, so that a failure says what to mend.
execute_process(COMMAND ${lintian} --fail-on error,warning --info --tag-display-limit 0 ${package}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian found faults in ${package}:\n${out}")
endif()
