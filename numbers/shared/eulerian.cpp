#include "eulerian.h"

enum { LAST_ROW = TABLE_SLOTS - 3 };  // row 100

int eulerian_weight(int n, int k, int second_order)
{
    return second_order ? 2 * n - k - 1 : n - k;
}

long double eulerian_entry(const long double *previous_row, int n, int k, int second_order)
{
    if (k < 0)
        return 0.0L;
    if (k == 0)
        return 1.0L;
    if (k >= n)
        return 0.0L;
    long double r = (long double)(k + 1) * previous_row[k];
    return (long double)eulerian_weight(n, k, second_order) * previous_row[k - 1] + r;
}

void reset_eulerian_triangle(EulerianTriangle triangle)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        for (int k = 0; k < TABLE_SLOTS; k++)
            triangle[i][k] = 0.0L;
    triangle[0][0] = 1.0L;
}

static void copy_row(long double *to, const long double *from)
{
    for (int k = 0; k < TABLE_SLOTS; k++)
        to[k] = from[k];
}

void fill_eulerian_rows(EulerianTriangle triangle, long double *previous_row, int n, int second_order)
{
    int first = 1;
    while (first <= LAST_ROW && triangle[first][0] == 1.0L)
        first++;
    if (first > LAST_ROW)
        return;
    copy_row(previous_row, triangle[first - 1]);
    for (int i = first; i <= n; i++) {
        for (int k = 0; k <= i; k++)
            triangle[i][k] = eulerian_entry(previous_row, i, k, second_order);
        if (i < n)
            copy_row(previous_row, triangle[i]);
    }
}
