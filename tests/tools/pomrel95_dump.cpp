// Writes the quadrature program's result file natively, as its driver would:
//   pomrel95_dump OUT en|ja DEGREE ALL NORMALIZE kind=KIND
// as the other programs' dump tools (NORMALIZE is not used: the program has
// no such option); KIND is 0 (Legendre), 1 (Laguerre) or 2 (Hermite); DEGREE 2..30.
// The end-to-end tests compare the file that POMREL95.EXE writes with it.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calc_state.h"
#include "family_polynomials.h"
#include "quadrature_tables.h"

int main(int argc, char **argv)
{
    if (argc != 7 || strncmp(argv[6], "kind=", 5) != 0) {
        fprintf(stderr, "usage: %s OUT en|ja DEGREE ALL NORMALIZE kind=KIND\n", argv[0]);
        return 2;
    }
    is_japanese = strcmp(argv[2], "ja") == 0;
    degree = atoi(argv[3]);
    output_all_degrees = atoi(argv[4]);
    polynomial_kind = atoi(argv[6] + 5);
    if (polynomial_kind < 0 || polynomial_kind > 2 || degree < 2 || degree > 30) {
        fprintf(stderr, "KIND must be 0..2 and DEGREE 2..30\n");
        return 2;
    }
    FILE *file = fopen(argv[1], "wb");
    if (!file) {
        perror(argv[1]);
        return 1;
    }
    int result = write_quadrature_tables(file, degree);
    if (result < 0) {
        discard_result_file(file, argv[1], NULL);
        fprintf(stderr, "%s\n", failure_text(result));
        return 1;
    }
    int failed = ferror(file);
    if (fclose(file) != 0 || failed) {
        fprintf(stderr, "%s: write failed\n", argv[1]);
        return 1;
    }
    return 0;
}
