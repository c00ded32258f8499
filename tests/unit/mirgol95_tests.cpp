// The generalized Fibonacci numbers of mirgol95: G[0] = p, G[1] = q,
// G[n+2] = G[n+1] + G[n] for n = -100..100.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "calc_state.h"
#include "file_capture.h"
#include "generalized_fibonacci.h"
#include "reference_rows.h"

static long double g_at(int n)
{
    return fibonacci_numbers[n + 100];
}


// Every index of every start in tests/data/mirgol95/references.txt (made by
// tests/tools/make_mirgol95_references.py from exact rationals): the nine
// printed digits of the extended recurrence are those of the exact value.
TEST(GeneralizedFibonacci, PrintedDigitsMatchExactValues)
{
    std::ifstream references(MIRGOL95_REFERENCES);
    ASSERT_TRUE(references.good());
    std::string line;
    int compared = 0;
    while (std::getline(references, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string p_text, q_text, expected;
        int n;
        fields >> p_text >> q_text >> n >> expected;
        double p, q;
        ASSERT_TRUE(read_start_value(p_text.c_str(), &p)) << p_text;
        ASSERT_TRUE(read_start_value(q_text.c_str(), &q)) << q_text;
        compute_table(p, q, n);
        EXPECT_EQ(expected, printed_cell(g_at(n))) << "p=" << p_text << " q=" << q_text << " n=" << n;
        compared++;
    }
    EXPECT_EQ(13 * 201, compared);
}

// Exact beyond the nine printed digits: F[93] needs all 64 bits.
TEST(GeneralizedFibonacci, StepsOfTheComputation)
{
    struct Case {
        double p, q;
        int n;
        long double value;
    } cases[] = {
        {0, 1, 93, 12200160415121876738.0L}, {7, 3, -1, -4}, {2, 1, 20, 15127}, {2, 1, -20, 15127},
    };
    for (const Case &c : cases) {
        compute_table(c.p, c.q, c.n);
        EXPECT_EQ(c.value, g_at(c.n)) << "p=" << c.p << " q=" << c.q << " n=" << c.n;
    }
}

// Texts typed or pasted into the boxes: only a finite plain decimal number
// is a starting value; nothing else may reach the computation.
TEST(GeneralizedFibonacci, StartValuesMustBeFiniteDecimalNumbers)
{
    struct Case {
        const char *text;
        int accepted;
        double value;
    } cases[] = {
        {"1.5", 1, 1.5},   {"-2", 1, -2},      {"-", 1, 0},        {"5.", 1, 5},         {".5", 1, 0.5},
        {"-0.", 1, 0},     {"999999999", 1, 999999999},           {"", 0, 0},           {"nan", 0, 0},
        {"NAN", 0, 0},     {"inf", 0, 0},      {"-inf", 0, 0},     {"infinity", 0, 0},   {"0x1A", 0, 0},
        {"0x1p3", 0, 0},   {"1e5", 0, 0},      {"1E5", 0, 0},      {"-.", 0, 0},         {".", 0, 0},
        {"1.2.", 0, 0},    {"--1", 0, 0},      {"12a", 0, 0},
    };
    for (const Case &c : cases) {
        double value = -7;
        EXPECT_EQ(c.accepted, read_start_value(c.text, &value)) << c.text;
        if (c.accepted) {
            EXPECT_EQ(c.value, value) << c.text;
        }
    }
    // digits alone, too many for a double: strtod gives an infinity
    double value = 0;
    EXPECT_EQ(0, read_start_value(("1" + std::string(400, '0')).c_str(), &value));
}

// Even the largest doubles as starting values stay finite at every index:
// |G[n]| < 2 * DBL_MAX * F[101] is far inside the extended range.
TEST(GeneralizedFibonacci, NoIndexOverflows)
{
    const double starts[][2] = {{DBL_MAX, DBL_MAX}, {DBL_MAX, -DBL_MAX}, {-DBL_MAX, DBL_MAX}, {999999999, -999999999}};
    for (const auto &s : starts)
        for (int n = -100; n <= 100; n++) {
            compute_table(s[0], s[1], n);
            EXPECT_TRUE(std::isfinite(g_at(n))) << s[0] << " " << s[1] << " n=" << n;
        }
    param_p = DBL_MAX;
    param_q = -DBL_MAX;
    std::string file = capture_tables(0, 1, 0, 0);
    EXPECT_EQ(std::string::npos, file.find("INF"));
    EXPECT_EQ(std::string::npos, file.find("NAN"));
}

TEST(GeneralizedFibonacci, SingleIndexFiles)
{
    struct Case {
        double p, q;
        int n, japanese;
        const char *bytes;
    } cases[] = {
        {2, 1, -1, 0, "GENERALIZED FIBONACCI NUMBERS\r\n\r\n p = G[0] = 2\r\n q = G[1] = 1\r\n G[-1] = -1.00000000E+00\r\n"},
        {-0.0, 0.5, 0, 1, "一般化フィボナッチ数\r\n\r\n p = G[0] = 0\r\n q = G[1] = 0.5\r\n G[0] = 0.00000000E+00\r\n"},
    };
    for (const Case &c : cases) {
        param_p = c.p;
        param_q = c.q;
        EXPECT_EQ(c.bytes, capture_tables(c.n, 0, 0, c.japanese)) << c.n;
    }
}

// All indices, whatever the selection: 201 rows from -100 to 100, positive
// values behind a blank so that their digits line up with negative ones.
TEST(GeneralizedFibonacci, AllIndicesFile)
{
    param_p = 0;
    param_q = 1;
    output_all_degrees = 1;
    std::string file = capture_tables(5, 1, 0, 0);
    output_all_degrees = 0;
    const std::string head = "GENERALIZED FIBONACCI NUMBERS\r\n\r\n p = G[0] = 0\r\n q = G[1] = 1\r\n\r\n N\t G[N]\r\n";
    ASSERT_EQ(head, file.substr(0, head.size()));
    EXPECT_EQ(head.size(), file.find("-100\t-3.54224848E+20\r\n"));
    EXPECT_NE(std::string::npos, file.find("\r\n-1\t 1.00000000E+00\r\n0\t 0.00000000E+00\r\n1\t 1.00000000E+00\r\n"));
    EXPECT_EQ(file.size() - std::string("100\t 3.54224848E+20\r\n").size(), file.find("100\t 3.54224848E+20\r\n", head.size() + 10));
    EXPECT_EQ(201u + 6, count_occurrences(file, "\r\n"));
    EXPECT_LT((long)file.size(), table_spec.estimate_bytes(0, 1));
}
