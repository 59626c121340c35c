// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillor developers

#pragma once

namespace cubic {

// A real root of k3·t³ + k2·t² + k1·t + k0, where k3 is not 0 and k0 is not 0.
//
// Newton's method from 0.5; a run that has not settled within 98 steps is restarted from the next
// start value -1.5, 2.5, -3.5, ... A run also fails when it meets a zero derivative or an iterate
// that is not finite. When a thousand restarts have all failed, bisection finds the root instead,
// which always succeeds. The result is not finite only when the root lies beyond the range of a
// double or a coefficient is not finite.
double realRoot(double k3, double k2, double k1, double k0);

} // namespace cubic
