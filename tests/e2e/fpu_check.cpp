// Checks under Wine that the programs' start-up puts the x87 unit into 64-bit
// precision with every exception masked, whatever state it was in before.
#include <cfenv>
#include <cfloat>
#include <cstdio>

void set_extended_precision();

int main()
{
    fenv_t environment;
    fesetenv(FE_PC53_ENV);  // what a runtime may leave: 53-bit precision
    set_extended_precision();
    fegetenv(&environment);
    volatile long double one = 1.0L, tiny = LDBL_EPSILON, zero = 0.0L;
    int failed = 0;
    if ((environment.__control_word & 0x0F3F) != 0x033F) {
        printf("not ok - x87 control word 0x%04x\n", environment.__control_word);
        failed++;
    } else {
        printf("ok - x87 control word 0x%04x\n", environment.__control_word);
    }
    // a 64-bit mantissa tells 1 + 2^-63 from 1
    if (one + tiny == one) {
        printf("not ok - 64-bit mantissa\n");
        failed++;
    } else {
        printf("ok - 64-bit mantissa\n");
    }
    // masked: a division by zero gives an infinity instead of a trap
    volatile long double quotient = one / zero;
    printf("%s - division by zero does not trap\n", quotient > LDBL_MAX ? "ok" : "not ok");
    failed += !(quotient > LDBL_MAX);
    printf("%d passed, %d failed\n", 3 - failed, failed);
    return failed != 0;
}
