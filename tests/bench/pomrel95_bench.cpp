// Benchmark: all degrees 2 to 30 of each of the three quadrature rules,
// computed and written into a file, as one Calculation in all-degrees mode.
#include <chrono>
#include <cstdio>

#include "calc_state.h"
#include "family_polynomials.h"
#include "quadrature_tables.h"

static const char *const FAMILY_NAMES[3] = {"Legendre", "Laguerre", "Hermite"};

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "pomrel95_bench.xls";
    const int rounds = 20;
    output_all_degrees = 1;
    double all_best = 0;
    for (int kind = 0; kind < 3; kind++) {
        polynomial_kind = kind;
        double best = 1e9, total = 0;
        for (int r = 0; r < rounds; r++) {
            auto start = std::chrono::steady_clock::now();
            FILE *file = fopen(path, "wb");
            if (!file)
                return 1;
            int result = write_quadrature_tables(file, 30);
            fclose(file);
            if (result < 0) {
                fprintf(stderr, "%s: failure %d\n", FAMILY_NAMES[kind], result);
                return 1;
            }
            double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            total += ms;
            if (ms < best)
                best = ms;
        }
        all_best += best;
        printf("pomrel95 %-8s all degrees 2..30 written to a file: best %.2f ms, mean %.2f ms over %d rounds\n",
               FAMILY_NAMES[kind], best, total / rounds, rounds);
    }
    printf("pomrel95 the three families together: %.2f ms (sum of the best rounds)\n", all_best);
    remove(path);
    return 0;
}
