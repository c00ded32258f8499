// Checks of a computed table against expected coefficients.
#pragma once

#include <gtest/gtest.h>

#include "calc_state.h"

// coefficients[0..n] against expected[0..n]: a zero must be exact, any other
// value within relative of it; the slots beyond n must hold 0.
inline void expect_coefficients(const long double *expected, int n, long double relative)
{
    for (int i = 0; i <= n; i++)
        if (expected[i] == 0)
            EXPECT_EQ(0.0L, coefficients[i]) << "X^" << i;
        else
            EXPECT_NEAR(1.0L, coefficients[i] / expected[i], relative) << "X^" << i;
    for (int i = n + 1; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]) << "X^" << i;
}
