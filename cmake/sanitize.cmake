# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# Included when QUILLOR_SANITIZE is on: every target of the tree, the programs and the tests alike,
# is compiled and linked with AddressSanitizer and UndefinedBehaviorSanitizer. Undefined behaviour
# stops the program as a memory fault does, so a test that meets either fails.
# g++ leaves float-cast-overflow out of "undefined"; a double too large for the int it is converted
# to is undefined behaviour all the same, and typed numbers reach such conversions.
set(quillor_sanitize_flags
    -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined,float-cast-overflow)
add_compile_options(${quillor_sanitize_flags})
add_link_options(${quillor_sanitize_flags})

# An index past the end of a vector, QList or QString that still lies inside its allocation, or a
# read of an empty optional, escapes AddressSanitizer; the standard library's and Qt's own checks
# catch those, in our code and in the templates and inline functions it compiles from their headers.
add_compile_definitions(_GLIBCXX_ASSERTIONS QT_FORCE_ASSERTS)

# The sanitizers' run-time options, for the tests' environment. A leak fails a test as a memory
# fault does; the suite runs clean without suppressions, so none are kept.
set(QUILLOR_SANITIZE_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
