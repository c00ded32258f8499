// Writes a program's result file natively, as its calculation driver would:
//   <program>_dump OUT.xls en|ja DEGREE ALL NORMALIZE [name=value ...]
// where each name=value sets one of the program's own choices.
// The end-to-end tests compare the file that the .exe writes under Wine with it.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calc_state.h"
#include "dump_parameters.h"

int dump_table_degree_offset;

int main(int argc, char **argv)
{
    if (argc < 6) {
        fprintf(stderr, "usage: %s OUT en|ja DEGREE ALL NORMALIZE [name=value ...]\n", argv[0]);
        return 2;
    }
    is_japanese = strcmp(argv[2], "ja") == 0;
    degree = atoi(argv[3]);
    output_all_degrees = atoi(argv[4]);
    normalize = atoi(argv[5]);
    for (int i = 6; i < argc; i++) {
        char *equals = strchr(argv[i], '=');
        if (equals)
            *equals = '\0';
        if (!equals || !set_dump_parameter(argv[i], equals + 1)) {
            fprintf(stderr, "%s: unknown choice %s\n", argv[0], argv[i]);
            return 2;
        }
    }
    FILE *file = fopen(argv[1], "wb");
    if (!file) {
        perror(argv[1]);
        return 1;
    }
    write_tables(file, degree + dump_table_degree_offset, output_all_degrees);
    int failed = ferror(file);
    if (fclose(file) != 0 || failed) {
        fprintf(stderr, "%s: write failed\n", argv[1]);
        return 1;
    }
    return 0;
}
