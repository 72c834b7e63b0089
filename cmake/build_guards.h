// Included ahead of every source of the project (see Lumenary.cmake and Fuzz.cmake).
#pragma once

// The labs test for NaN and infinity wherever a student's number enters; fast-math would let
// the compiler assume neither exists and drop those tests.
#if defined(__FINITE_MATH_ONLY__)
static_assert(__FINITE_MATH_ONLY__ == 0,
              "Lumenary relies on NaN and infinity checks: build without fast-math");
#endif
