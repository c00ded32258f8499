// The q-binomial program duvest95: its logarithm, its text formatter, its
// values against exact references, its two files, the reading of q and the
// screen-saver pair.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "calc_state.h"
#include "file_capture.h"
#include "q_binomial.h"
#include "q_binomial_files.h"
#include "screen_saver.h"

static std::string formatted(double y, int tabulation)
{
    tabulation_mode = tabulation;
    format_log10_value(y);
    tabulation_mode = 0;
    return result_text;
}

static std::string coefficient(int n, int m, double q, int tabulation = 0)
{
    tabulation_mode = tabulation;
    memset(result_text, 0, sizeof result_text);
    compute_table(n, m, q);
    tabulation_mode = 0;
    return result_text;
}

TEST(FormatLog10Value, MantissaExponentAndCarry)
{
    struct Case {
        double y;
        const char *calculation;
        const char *tabulation;
    } cases[] = {
        {0, "1E+00", " 1.000000E+00"},
        {log10(35.0), "3.5E+01", " 3.500000E+01"},
        {log10(2.0), "2E+00", " 2.000000E+00"},                   // 2.0000000000000004 or just below
        {0.9999999999999999, "1E+01", " 1.000000E+01"},           // 9.999999999999998 rounds to 10.000000: carried
        {1.0000000000000002, "1E+01", " 1.000000E+01"},           // just above an integer logarithm
        {log10(9.9999996), "1E+01", " 1.000000E+01"},             // the six-decimal rounding reaches 10
        {log10(9.9999994), "9.999999E+00", " 9.999999E+00"},      // just below the carry
        {7 + log10(1.2345675000001), "1.234568E+07", " 1.234568E+07"},
        {99 + log10(1.5), "1.5E+99", " 1.500000E+99"},            // two digits
        {100 + log10(1.5), "1.5E+100", " 1.500000E+100"},         // three digits, a plus sign, no padding
        {10000 + log10(1.123583), "1.123583E+10000", " 1.123583E+10000"},
        {-3 + log10(2.5), "2.5E-03", " 2.500000E-03"},            // negative exponents of one digit
        {-12 + log10(4.0), "4E-12", " 4.000000E-12"},             // and of two, as they stand
        {-0.5, "3.162278E-01", " 3.162278E-01"},
        {-1e-17, "1E+00", " 1.000000E+00"},                       // a logarithm rounded just below 0
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.calculation, formatted(c.y, 0)) << "y = " << c.y;
        EXPECT_EQ(c.tabulation, formatted(c.y, 1)) << "y = " << c.y;
    }
}

// How far log_extended may lie from logl: the double ln 2 is short of ln 2
// by 2.3e-17 for every halving, besides a few units of the last place.
static long double log_tolerance(long double x)
{
    long double halvings = fabsl(floorl(log2l(x) + 0.5L));
    return halvings * 2.5e-17L + 4 * fabsl(logl(x)) * LDBL_EPSILON + LDBL_EPSILON;
}

// The halving loop, the doubling loop and the reduced range alone.
TEST(LogExtended, AgainstLogl)
{
    EXPECT_EQ(0.0L, log_extended(1));
    EXPECT_EQ((long double)0.6931471805599453, log_extended(2));  // halved once to 1: b ln 2 exactly
    const long double arguments[] = {1.4142135623730951L, 1.4142135623730950L, 0.7071067811865476L,
                                     0.7071067811865475L, 1.0000001L,           0.9999999L,
                                     3,                    10,                  0.1L,
                                     1e-30L,               123456.789L,         1e199L,
                                     1.1e199L,             1e4000L,             1e-4000L};
    for (long double x : arguments)
        EXPECT_LE(fabsl(logl(x) - log_extended(x)), log_tolerance(x)) << (double)x;
    // ln [n+1]_q = ln(1 + q + ... + q^n)
    EXPECT_EQ(0.0L, log_q_number(0, 7.5));
    EXPECT_EQ(0.0L, log_q_number(5, 0));
    EXPECT_LE(fabsl(logl(111.0L) - log_q_number(2, 10)), log_tolerance(111));
    EXPECT_LE(fabsl(logl(200.0L) - log_q_number(199, 1)), log_tolerance(200));
}

// The cells that never reach the logarithm: m > n, q = 0, the edges.
TEST(ComputeTable, CellsBesideTheLogarithm)
{
    struct Case {
        int n, m;
        double q;
        int tabulation;
        const char *text;
    } cases[] = {
        {3, 4, 2, 0, "0E+00"},   {3, 200, 2, 1, "0E+00"},  // no blank: the formatter is not called
        {7, 3, 0, 0, "1E+00"},   {7, 3, 0, 1, " 1.000000E+00"},
        {200, 0, 10, 0, "1E+00"}, {200, 200, 10, 0, "1E+00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.text, coefficient(c.n, c.m, c.q, c.tabulation)) << c.n << " " << c.m << " " << c.q;
}

// The base-10 logarithm of a value text "3.5E+01" (its exponent may lie
// beyond the range of doubles).
static double text_log10(const std::string &text)
{
    size_t e = text.find('E');
    return log10(atof(text.substr(0, e).c_str())) + atof(text.substr(e + 1).c_str());
}

// The references hold the exact value of each cell rounded to seven digits
// (tests/tools/make_duvest95_references.py). Every printed digit must be
// right, except in the cells whose exact value lies within 1e-10 of a
// rounding boundary: there either neighbour may be printed. Those cells are
// counted, not guessed: 41 of them, most exact ties of integers and dyadic
// values (C(27,11) = 13037895).
TEST(ComputeTable, ValuesAgainstExactReferences)
{
    std::ifstream references(DUVEST95_REFERENCES);
    ASSERT_TRUE(references.good()) << DUVEST95_REFERENCES;
    std::string line;
    int cells = 0, near_cells = 0, near_printed_as_rounded = 0;
    while (std::getline(references, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int n, m, near;
        std::string q, calculation, tabulation;
        fields >> n >> m >> q >> calculation >> tabulation >> near;
        if (m <= n)
            tabulation = " " + tabulation;
        std::string printed = coefficient(n, m, atof(q.c_str()));
        std::string printed_wide = coefficient(n, m, atof(q.c_str()), 1);
        cells++;
        if (near) {
            near_cells++;
            near_printed_as_rounded += printed == calculation;
            // one unit of the seventh digit at most
            EXPECT_NEAR(text_log10(calculation), text_log10(printed), 4.5e-7) << line;
            continue;
        }
        EXPECT_EQ(calculation, printed) << "n " << n << " m " << m << " q " << q;
        EXPECT_EQ(tabulation, printed_wide) << "n " << n << " m " << m << " q " << q;
    }
    EXPECT_EQ(12300, cells);
    EXPECT_EQ(41, near_cells);
    printf("%d cells, %d within 1e-10 of a rounding boundary, %d of those printed as the exact value rounds\n", cells,
           near_cells, near_printed_as_rounded);
}

TEST(ReadQText, AcceptedRefusedEmpty)
{
    struct Case {
        const char *text;
        QReading reading;
        double q;
    } cases[] = {
        {"", Q_EMPTY, 0},         {"0", Q_ACCEPTED, 0},       {"10", Q_ACCEPTED, 10},
        {"10.", Q_ACCEPTED, 10},  {".5", Q_ACCEPTED, 0.5},    {"0.0000001", Q_ACCEPTED, 1e-7},
        {"10.5", Q_REFUSED, 0},   {"10.000001", Q_REFUSED, 0}, {"-5", Q_REFUSED, 0},
        {"nan", Q_REFUSED, 0},    {"NaN", Q_REFUSED, 0},      {"inf", Q_REFUSED, 0},
        {"-inf", Q_REFUSED, 0},   {"infinity", Q_REFUSED, 0}, {"0x1", Q_REFUSED, 0},
        {"0x1p-2", Q_REFUSED, 0}, {"1e1", Q_REFUSED, 0},      {"5x", Q_REFUSED, 0},
        {"-0", Q_ACCEPTED, 0},  // the filter keeps it; it is q = 0
    };
    for (const Case &c : cases) {
        double q = -99;
        EXPECT_EQ(c.reading, read_q_text(c.text, &q)) << "\"" << c.text << "\"";
        if (c.reading == Q_ACCEPTED) {
            EXPECT_EQ(c.q, q) << c.text;
        }
    }
}

static std::string crlf(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

TEST(Files, TextResultOfFiveLines)
{
    q_value = 0.5;
    n_value = 10;
    m_value = 3;
    coefficient(10, 3, 0.5);
    EXPECT_EQ(crlf("q-BINOMIAL COEFFICIENT nC[q]m\n   q = 0.5\n   n = 10\n   m = 3\n   nC[q]m = 3.026826E+00\n"),
              capture_file(write_text_result));
    is_japanese = 1;
    q_value = 0;
    m_value = 11;
    strcpy(result_text, "0E+00");
    EXPECT_EQ(crlf("q 二項係数 nC[q]m\n   q = 0\n   n = 10\n   m = 11\n   nC[q]m = 0E+00\n"),
              capture_file(write_text_result));
    is_japanese = 0;
}

TEST(Files, TabulationRowsAndHeader)
{
    q_value = 2;
    EXPECT_EQ(crlf("q-BINOMIAL COEFFICIENT nC[q]m\n\n q = 2\n n = 2\n\n m\t nC[q]m\n"
                   "0\t 1.000000E+00\n1\t 3.000000E+00\n2\t 1.000000E+00\n"),
              capture_file([](FILE *f) { write_tabulation(f, 2); }));
    EXPECT_EQ(0, tabulation_mode);
    EXPECT_EQ(0, tables_written);
    q_value = 7.25;
    is_japanese = 1;
    EXPECT_EQ(crlf("q 二項係数 nC[q]m\n\n q = 7.25\n n = 1\n\n m\t nC[q]m\n0\t 1.000000E+00\n1\t 1.000000E+00\n"),
              capture_tables(1, 0, 0, 1));
    is_japanese = 0;
}

// A disk that fills up: the writes fail and the file is reported incomplete.
TEST(Files, FailedWriteIsNoSuccess)
{
    FILE *full = fopen("/dev/full", "wb");
    ASSERT_NE(nullptr, full);
    q_value = 10;
    write_tabulation(full, 200);
    EXPECT_EQ(0, close_written_file(full));
    FILE *file = tmpfile();
    write_tabulation(file, 3);
    EXPECT_EQ(1, close_written_file(file));
}

// The setting as a stand-in: its state, which calls fail, and what was done.
struct FakeSaver {
    int active;
    int query_fails;
    int switches_failing;  // the next switches that fail
    int switches;          // switch calls made
};
static FakeSaver saver;

static int fake_query(int *active)
{
    if (saver.query_fails)
        return 0;
    *active = saver.active;
    return 1;
}

static int fake_switch(int active)
{
    saver.switches++;
    if (saver.switches_failing > 0) {
        saver.switches_failing--;
        return 0;
    }
    saver.active = active;
    return 1;
}

static const ScreenSaverAccess FAKE = {fake_query, fake_switch};

TEST(ScreenSaver, OnlyTheOneSettingAndOnlyBack)
{
    struct Case {
        const char *what;
        FakeSaver before;
        int query_fails_after;  // the query of resume fails
        int user_switches_on;   // the user switches the saver on during the run
        int active_during, active_after, switches;
    } cases[] = {
        {"active before, active after", {1, 0, 0, 0}, 0, 0, 0, 1, 2},
        {"inactive before, inactive after", {0, 0, 0, 0}, 0, 0, 0, 0, 0},
        {"query fails before: left alone", {1, 1, 0, 0}, 1, 0, 1, 1, 0},
        {"switching off fails 3 times", {1, 0, 3, 0}, 0, 0, 0, 1, 5},
        {"switching off always fails", {1, 0, 10, 0}, 0, 0, 1, 1, 10},
        {"switched on meanwhile: left alone", {1, 0, 0, 0}, 0, 1, 0, 1, 1},
        {"resume's query fails: switched on again", {1, 0, 0, 0}, 1, 0, 0, 1, 2},
        {"inactive, resume's query fails: stays off", {0, 0, 0, 0}, 1, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        saver = c.before;
        screen_saver_switched_off = 1;  // from an earlier run: suspend resets it
        suspend_screen_saver_through(FAKE);
        EXPECT_EQ(c.active_during, saver.active) << c.what;
        if (c.user_switches_on)
            saver.active = 1;
        saver.query_fails = c.query_fails_after;
        resume_screen_saver_through(FAKE);
        EXPECT_EQ(c.active_after, saver.active) << c.what;
        EXPECT_EQ(c.switches, saver.switches) << c.what;
    }
}
