# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Included by the root CMakeLists.txt after every target is defined: what `cmake --install` puts
# where, and the Debian package that `cpack -G DEB` makes of it.

include(GNUInstallDirs)
install(TARGETS quillor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/quillor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/quillor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/io.github.quillor.quillor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/readme.txt data/readme_nl.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/quillor)

# The program finds its installed data from its own folder, so the path between the two is all
# it is told; the installation works under any prefix.
file(RELATIVE_PATH quillor_data_from_bindir ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/quillor)
set_source_files_properties(src/app/installeddata.cpp PROPERTIES
  COMPILE_DEFINITIONS "QUILLOR_DATA_FROM_BINDIR=\"${quillor_data_from_bindir}\"")

# quillor_compressed(FILE): FILE.gz in the build tree, compressed as Debian wants documentation:
# gzip -9 with no name or time stamp inside, so that the same text gives the same bytes.
function(quillor_compressed file)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${name}.gz
    COMMAND gzip -9 --no-name --stdout ${file} > ${name}.gz
    DEPENDS ${file}
    COMMENT "Compressing ${name}")
  add_custom_target(quillor_${name}_gz ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
endfunction()

# The manual page carries the version.
configure_file(data/quillor.1.in quillor.1 @ONLY)
quillor_compressed(${CMAKE_CURRENT_BINARY_DIR}/quillor.1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quillor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Every Debian package holds its copyright and its changelog in its documentation folder: the
# copyright in Debian's machine-readable format, and CHANGELOG, which is kept in Debian's
# changelog format.
set(quillor_docdir ${CMAKE_INSTALL_DATADIR}/doc/quillor)
install(FILES data/copyright DESTINATION ${quillor_docdir})
quillor_compressed(${PROJECT_SOURCE_DIR}/CHANGELOG)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/CHANGELOG.gz DESTINATION ${quillor_docdir}
        RENAME changelog.gz)

# `cpack -G DEB` in the build tree makes the Debian package. dpkg-shlibdeps finds the libraries
# the program links; the rest it needs at run time is named here: the platform plugins that
# open its windows and the font its captions are measured for.
set(CPACK_PACKAGE_NAME quillor)
set(CPACK_PACKAGE_VENDOR "The Quillor developers")
# example.org is a placeholder that reaches nobody: the real address replaces it, here and in
# CHANGELOG and data/copyright, before the package is published.
set(CPACK_PACKAGE_CONTACT "The Quillor developers <quillor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mathematics for secondary-school pupils and their teachers")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quillor lets pupils study functions and chance by moving sliders and looking"
  "at graphs, in eight modules: the quadratic function, transformations, lines"
  "and parabolas, lines and circles, families of functions, functions of the"
  "third degree and experiments of probability. Teachers write tasks that"
  "pupils open beside a module.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
include(CPack)
