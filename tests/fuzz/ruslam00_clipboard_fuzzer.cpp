// Fuzzes ruslam00's clipboard list reader (libFuzzer, with AddressSanitizer
// and UndefinedBehaviorSanitizer): the first byte chooses real (even) or
// complex (odd) mode, the rest is the clipboard's text. An accepted list must
// hold 1..100 finite constants of at most about 1e102 in magnitude; its
// expansion is computed, tested for the extended range and, when in range,
// written out, where every number printed must be finite.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "clipboard_list.h"
#include "factor_expansion.h"

static void require(bool condition)
{
    if (!condition)
        abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    int complex_mode = data[0] & 1;
    // a copy of exactly the text's bytes, so that a read past them is caught
    std::vector<char> text(data + 1, data + size);
    clear_expansion();
    last_factor_index = -7;
    int reading = read_factor_list(text.empty() ? "" : text.data(), text.size(), complex_mode, factor_re, factor_im,
                                   &last_factor_index);
    require(reading >= LIST_ACCEPTED && reading <= LIST_TOO_MANY);
    if (reading != LIST_ACCEPTED)
        return 0;
    require(last_factor_index >= 0 && last_factor_index < MAX_FACTORS);
    for (int k = 0; k <= last_factor_index; k++) {
        require(std::isfinite(factor_re[k]) && std::fabs(factor_re[k]) < 1e103);
        require(std::isfinite(factor_im[k]) && std::fabs(factor_im[k]) < 1e103);
        require(complex_mode || factor_im[k] == 0);
    }
    complex_input = complex_mode;
    compute_table();
    if (!expansion_in_range())
        return 0;
    static char output[1 << 16];
    FILE *file = fmemopen(output, sizeof output, "wb");
    write_table(file);
    fclose(file);
    output[sizeof output - 1] = '\0';
    require(strstr(output, "inf") == NULL && strstr(output, "INF") == NULL && strstr(output, "nan") == NULL &&
            strstr(output, "NAN") == NULL);
    return 0;
}
