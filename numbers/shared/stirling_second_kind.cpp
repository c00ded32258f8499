#include "stirling_second_kind.h"

void step_second_kind(long double *row, long double *previous, int length, int j)
{
    for (int i = 0; i < length; i++)
        previous[i] = row[i];
    for (int i = 1; i <= j; i++) {
        long double product = (long double)i * previous[i];
        row[i] = product + previous[i - 1];
    }
    row[0] = 0.0L;
    row[1] = 1.0L;
    row[j] = 1.0L;
}
