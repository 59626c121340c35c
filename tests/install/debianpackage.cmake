# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Makes the Debian package from the build tree and checks what it holds:
#   cmake -DCPACK=... -DBUILD=... -DVERSION=... -DWORK=... -DCHANGELOG=... -DMETAINFO=...
#         -P debianpackage.cmake
cmake_minimum_required(VERSION 3.25)

# The tools of dpkg-dev that cpack needs; tools/prepare.sh installs them.
foreach(tool dpkg dpkg-deb dpkg-shlibdeps file)
  unset(program)
  find_program(program ${tool} NO_CACHE)
  if(NOT program)
    message("${tool} is not installed: skipped")
    return()
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}
  WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture
  OUTPUT_STRIP_TRAILING_WHITESPACE)
set(package ${WORK}/quillor_${VERSION}_${architecture}.deb)
if(NOT EXISTS ${package})
  file(GLOB made ${WORK}/*.deb)
  message(FATAL_ERROR "No package ${package}; cpack made: ${made}")
endif()

# The files, with their modes and owners; folders are left out.
execute_process(COMMAND dpkg-deb --contents ${package} OUTPUT_VARIABLE contents
  COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "(^|\n)-[^\n]*" entries "${contents}")
set(files "")
foreach(entry ${entries})
  string(REGEX REPLACE "^\n?(-[rwxsStT-]+) ([^ ]+) +[0-9]+ [^ ]+ [^ ]+ (.*)$" "\\1 \\2 \\3"
         file "${entry}")
  list(APPEND files "${file}")
endforeach()
list(SORT files)
set(expected
  "-rw-r--r-- root/root ./usr/share/applications/quillor.desktop"
  "-rw-r--r-- root/root ./usr/share/doc/quillor/changelog.gz"
  "-rw-r--r-- root/root ./usr/share/doc/quillor/copyright"
  "-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/quillor.svg"
  "-rw-r--r-- root/root ./usr/share/man/man1/quillor.1.gz"
  "-rw-r--r-- root/root ./usr/share/metainfo/io.github.quillor.quillor.metainfo.xml"
  "-rw-r--r-- root/root ./usr/share/quillor/readme.txt"
  "-rw-r--r-- root/root ./usr/share/quillor/readme_nl.txt"
  "-rwxr-xr-x root/root ./usr/bin/quillor")
list(SORT expected)
if(NOT files STREQUAL expected)
  list(JOIN files "\n" got)
  list(JOIN expected "\n" wanted)
  message(FATAL_ERROR "The package holds:\n${got}\ninstead of:\n${wanted}")
endif()

# dpkg-shlibdeps names the libraries the program links; the package adds the platform plugins
# and the interface font.
execute_process(COMMAND dpkg-deb --field ${package} Depends OUTPUT_VARIABLE depends
  COMMAND_ERROR_IS_FATAL ANY)
foreach(dependency libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6
                   libqt6printsupport6 qt6-qpa-plugins fonts-liberation2)
  if(NOT depends MATCHES "(^|, )${dependency}( \\(>= [^)]+\\))?(,|\n)")
    message(FATAL_ERROR "The package does not depend on ${dependency}: ${depends}")
  endif()
endforeach()

# The newest entry of the changelog and the newest release in the metainfo are this version;
# lintian and appstreamcli check the form of each, but compare neither with the package.
file(STRINGS ${CHANGELOG} newest_entry LIMIT_COUNT 1)
string(REGEX MATCH "^quillor \\(([^)]*)\\)" newest_entry "${newest_entry}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "CHANGELOG starts with version ${CMAKE_MATCH_1}, not ${VERSION}")
endif()
file(READ ${METAINFO} metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" newest_release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "The metainfo's newest release is ${CMAKE_MATCH_1}, not ${VERSION}")
endif()
