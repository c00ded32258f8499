// Writes numbers/jaskel02/gf2_table.cpp, the table of jaskel02, from its
// defining rule (tests/tools/gf2_search.h):
//   make_jaskel02_table > numbers/jaskel02/gf2_table.cpp
#include <cstdio>

#include "gf2_search.h"

int main()
{
    printf("// The table of jaskel02, written by tests/tools/make_jaskel02_table from the\n"
           "// rule in tests/tools/gf2_search.h (the unit tests compare the two); do not\n"
           "// edit by hand. Entry n: the degree and the middle exponents of the\n"
           "// irreducible polynomial of degree n over GF(2) with the fewest terms.\n"
           "#include \"gf2_table.h\"\n\n"
           "#include <cstddef>\n\n"
           "const char *const gf2_polynomial_table[GF2_TABLE_SIZE] = {\n"
           "    NULL,\n"
           "    NULL,\n");
    for (int n = 2; n <= 1000; n++)
        printf("    \"%s\",\n", gf2_table_entry(n).c_str());
    printf("};\n");
    return 0;
}
