# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillor developers

# The fuzz targets, each built from fuzz/NAME.cpp with its seed corpus in fuzz/corpus/NAME.
set(QUILLOR_FUZZ_TARGETS numberreading numbertext taskfile textdecoding scriptlexer)
