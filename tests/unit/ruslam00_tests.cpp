// The product expansion: the clipboard list reader, the expansion of the
// product of linear factors and its result file.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "calc_state.h"
#include "clipboard_list.h"
#include "file_capture.h"
#include "hover_label.h"
#include "factor_expansion.h"

TEST(NumberField, LengthExponentAndSlashes)
{
    std::string part44(44, '0');
    part44[0] = '1';
    struct Case {
        std::string text;
        int kind;
        const char *numerator;
        const char *denominator;
    } cases[] = {
        {"1/4", FIELD_FRACTION, "1", "4"},
        {"-2.5e3/7", FIELD_FRACTION, "-2.5e3", "7"},
        {"1/2/3", FIELD_TWO_SLASHES, nullptr, nullptr},
        {"//", FIELD_TWO_SLASHES, nullptr, nullptr},
        {"1E11/2", FIELD_EXPONENT_RANGE, nullptr, nullptr},
        {"2/1e-12", FIELD_EXPONENT_RANGE, nullptr, nullptr},
        {part44 + "/" + part44, FIELD_FRACTION, part44.c_str(), part44.c_str()},
        {part44 + "0/3", FIELD_TOO_LONG, nullptr, nullptr},
        {"3/" + part44 + "0", FIELD_TOO_LONG, nullptr, nullptr},
        {"12.5", FIELD_PLAIN, nullptr, nullptr},
        {"1E10", FIELD_PLAIN, nullptr, nullptr},
        {"1e-10", FIELD_PLAIN, nullptr, nullptr},
        {"2.5e+010", FIELD_PLAIN, nullptr, nullptr},
        {"1E11", FIELD_EXPONENT_RANGE, nullptr, nullptr},
        {"1e-11", FIELD_EXPONENT_RANGE, nullptr, nullptr},
        {"1e10.5", FIELD_EXPONENT_RANGE, nullptr, nullptr},  // the exponent text read as a number: 10.5
        {part44, FIELD_PLAIN, nullptr, nullptr},
        {part44 + "0", FIELD_TOO_LONG, nullptr, nullptr},
        {part44 + "0e99", FIELD_TOO_LONG, nullptr, nullptr},  // length before exponent
        {"abc", FIELD_PLAIN, nullptr, nullptr},                // not a number: found by the conversion
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.kind, classify_number_field(c.text.c_str())) << c.text;
        if (c.numerator) {
            EXPECT_STREQ(c.numerator, fraction_numerator_text) << c.text;
            EXPECT_STREQ(c.denominator, fraction_denominator_text) << c.text;
        }
    }
}

// Only plain decimal numbers convert: strtod's further forms do not.
TEST(NumberConversion, PlainDecimalsOnly)
{
    struct Case {
        const char *text;
        int ok;
        double value;
    } cases[] = {
        {"", 1, 0},          {"3", 1, 3},         {"-3", 1, -3},        {"+.5", 1, 0.5},
        {"5.", 1, 5},        {"  7", 1, 7},       {"\n2", 1, 2},        {"1.25E-2", 1, 0.0125},
        {"1e+3", 1, 1000},   {"3 ", 0, 0},        {" ", 0, 0},          {".", 0, 0},
        {"-", 0, 0},         {"1e", 0, 0},        {"1e+", 0, 0},        {"1.2.3", 0, 0},
        {"inf", 0, 0},       {"-INF", 0, 0},      {"infinity", 0, 0},   {"nan", 0, 0},
        {"NaN(1)", 0, 0},    {"0x10", 0, 0},      {"0x1p3", 0, 0},      {"1,5", 0, 0},
        {"1 2", 0, 0},       {"e5", 0, 0},        {"--1", 0, 0},        {"1d", 0, 0},
    };
    for (const Case &c : cases) {
        double value = -99;
        EXPECT_EQ(c.ok, convert_number_text(c.text, &value)) << '"' << c.text << '"';
        if (c.ok)
            EXPECT_EQ(c.value, value) << c.text;
        else
            EXPECT_EQ(-99, value) << c.text;
    }
}

// Reads text in the given mode into the expansion's tables.
static int read_list(const std::string &text, int complex_mode)
{
    clear_expansion();
    last_factor_index = -1;
    return read_factor_list(text.c_str(), text.size(), complex_mode, factor_re, factor_im, &last_factor_index);
}

static std::string rows(int count, const char *cell)
{
    std::string text;
    for (int i = 0; i < count; i++)
        text += std::string(cell) + "\r\n";
    return text;
}

TEST(ClipboardList, AcceptedLists)
{
    struct Case {
        std::string text;
        int complex_mode;
        std::vector<double> re, im;
    } cases[] = {
        {"3\r\n", 0, {3}, {0}},
        {"\r\n", 0, {0}, {0}},  // an empty cell reads as 0
        {"1\r\n2\r\n", 0, {1, 2}, {0, 0}},
        {"1/4\r\n", 0, {0.25}, {0}},
        {"1E10\r\n1e-10\r\n", 0, {1e10, 1e-10}, {0, 0}},
        {"  -7\r\n", 0, {-7}, {0}},  // leading blanks are skipped
        {"1\t2\r\n", 1, {1}, {2}},
        {"0\t1\r\n0\t-1\r\n", 1, {0, 0}, {1, -1}},
        {"1/3\t-1/2\r\n\t\r\n", 1, {1.0 / 3, 0}, {-0.5, 0}},
        {std::string("1\r\n\0" "2\r\n", 7), 0, {1}, {0}},  // read up to the first zero byte
    };
    for (const Case &c : cases) {
        ASSERT_EQ(LIST_ACCEPTED, read_list(c.text, c.complex_mode)) << c.text;
        ASSERT_EQ((int)c.re.size() - 1, last_factor_index) << c.text;
        for (size_t k = 0; k < c.re.size(); k++) {
            EXPECT_EQ(c.re[k], factor_re[k]) << c.text;
            EXPECT_EQ(c.im[k], factor_im[k]) << c.text;
        }
    }
    ASSERT_EQ(LIST_ACCEPTED, read_list(rows(100, "1"), 0));
    EXPECT_EQ(99, last_factor_index);
}

TEST(ClipboardList, Refusals)
{
    std::string long_cell = std::string(45, '1');
    struct Case {
        std::string text;
        int complex_mode;
        int refusal;
    } cases[] = {
        {"", 0, LIST_NOT_ROWS},
        {"\n", 0, LIST_NOT_ROWS},
        {"3", 0, LIST_NOT_ROWS},
        {"3\r\n4", 0, LIST_NOT_ROWS},  // a cell copied without its line end
        {"3\n", 0, LIST_NOT_ROWS},
        {std::string("1\0\r\n", 4), 0, LIST_NOT_ROWS},
        {"1\t2\r\n", 0, LIST_IMPROPER},  // a second cell in real mode
        {"1\t2\t3\r\n", 1, LIST_IMPROPER},
        {"1\r\n2\r\n", 1, LIST_IMPROPER},  // complex mode, one cell a row
        {"1\t2\r\n3\r\n", 1, LIST_IMPROPER},
        {"1/0\r\n", 0, LIST_IMPROPER},
        {"1/2/3\r\n", 0, LIST_IMPROPER},
        {"3 \r\n", 0, LIST_IMPROPER},  // a trailing blank
        {"abc\r\n", 0, LIST_IMPROPER},
        {"inf\r\n", 0, LIST_IMPROPER},
        {"nan\r\n", 0, LIST_IMPROPER},
        {"0x10\r\n", 0, LIST_IMPROPER},
        {"1\t-infinity\r\n", 1, LIST_IMPROPER},
        {"1/nan\r\n", 0, LIST_IMPROPER},
        {"3\rx\r\n", 0, LIST_IMPROPER},  // CR without LF
        {"1E11\r\n", 0, LIST_EXPONENT_RANGE},
        {"1\t1e-11\r\n", 1, LIST_EXPONENT_RANGE},
        {long_cell + "\r\n", 0, LIST_TOO_LONG},
        {"1\t" + long_cell + "\r\n", 1, LIST_TOO_LONG},
        {std::string(300, '7') + "\r\n", 0, LIST_TOO_LONG},  // cut at 256, still too long
        {rows(101, "1"), 0, LIST_TOO_MANY},
        {rows(101, "1\t2"), 1, LIST_TOO_MANY},
        {rows(100, "1") + "x\r\n", 0, LIST_IMPROPER},  // the 101st row is tested first
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.refusal, read_list(c.text, c.complex_mode)) << c.text.substr(0, 40);
    EXPECT_EQ(LIST_NO_TEXT, read_factor_list(NULL, 0, 0, factor_re, factor_im, &last_factor_index));
}

// Reads the list and multiplies it out.
static void expand(const std::string &text, int complex_mode)
{
    ASSERT_EQ(LIST_ACCEPTED, read_list(text, complex_mode)) << text;
    complex_input = complex_mode;
    compute_table();
}

TEST(Expansion, SmallProductsByHand)
{
    struct Case {
        std::string text;
        int complex_mode;
        std::vector<long double> re, im;
    } cases[] = {
        {"3\r\n", 0, {3, 1}, {0, 0}},
        {"1\r\n2\r\n", 0, {2, 3, 1}, {0, 0, 0}},
        {"0\t1\r\n0\t-1\r\n", 1, {1, 0, 1}, {0, 0, 0}},           // (Z + i)(Z - i)
        {"1\t1\r\n1\t1\r\n", 1, {0, 2, 1}, {2, 2, 0}},             // (Z + 1 + i)^2
        {"-1\r\n-2\r\n-3\r\n", 0, {-6, 11, -6, 1}, {0, 0, 0, 0}},  // roots 1, 2, 3
        {"2\t0\r\n0\t3\r\n", 1, {0, 2, 1}, {6, 3, 0}},             // (Z + 2)(Z + 3i)
    };
    for (const Case &c : cases) {
        expand(c.text, c.complex_mode);
        ASSERT_TRUE(expansion_in_range());
        for (size_t k = 0; k < c.re.size(); k++) {
            EXPECT_EQ(c.re[k], expansion_re[k]) << c.text << " Z^" << k;
            EXPECT_EQ(c.im[k], expansion_im[k]) << c.text << " Z^" << k;
        }
        for (size_t k = c.re.size(); k < TABLE_SLOTS; k++)
            EXPECT_EQ(0.0L, expansion_re[k]) << c.text << " Z^" << k;
    }
}

// (Z + 1)(Z + 2)...(Z + 20): the unsigned Stirling numbers of the first
// kind, exact integers below 2^64, so the extended sums hold them exactly.
TEST(Expansion, RisingFactorialIsExact)
{
    std::string text;
    for (int k = 1; k <= 20; k++)
        text += std::to_string(k) + "\r\n";
    expand(text, 0);
    unsigned __int128 exact[22] = {1};
    for (int m = 1; m <= 20; m++)
        for (int k = m; k >= 0; k--)
            exact[k] = (k > 0 ? exact[k - 1] : 0) + (unsigned __int128)m * exact[k];
    for (int k = 0; k <= 20; k++)
        EXPECT_EQ((long double)exact[k], expansion_re[k]) << "Z^" << k;
}

// (Z + 1 + i)^40: the coefficient of Z^k is C(40,k) (1 + i)^(40-k), whose
// parts are signed powers of two, so every product below is exact.
TEST(Expansion, ComplexBinomialIsExact)
{
    const int n = 40;
    expand(rows(n, "1\t1"), 1);
    long double re = 1, im = 0, binomial = 1;  // (1 + i)^(n-k), C(n,k)
    for (int k = n; k >= 0; k--) {
        EXPECT_EQ(binomial * re, expansion_re[k]) << "Z^" << k;
        EXPECT_EQ(binomial * im, expansion_im[k]) << "Z^" << k;
        long double next_re = re - im;
        im += re;
        re = next_re;
        binomial = binomial * k / (n - k + 1);
    }
}

// The largest constants the reader accepts are near 1e51 (fractions near
// 1e102): 100 of them overflow the extended range (about 1.19e4932), as
// 100 of the smallest underflow it; both must be caught, never printed.
TEST(Expansion, LeavingTheExtendedRangeIsCaught)
{
    std::string huge = std::string(41, '9') + "e10";  // 44 characters, 1e51
    std::string tiny = std::string("1e-10/").append(huge);  // 1e-61
    std::string negative = huge;
    negative[0] = '-';
    struct Case {
        std::string text;
        int complex_mode;
        int in_range;
    } cases[] = {
        {rows(100, huge.c_str()), 0, 0},
        {rows(100, (huge + "\t" + huge).c_str()), 1, 0},
        {rows(100, negative.c_str()), 0, 0},
        {rows(90, huge.c_str()), 0, 1},  // 1e4590 and the sums below it fit
        {rows(100, tiny.c_str()), 0, 0},  // C_0 = 1e-6100
        {rows(80, tiny.c_str()), 0, 1},   // C_0 = 1e-4880 fits
        {rows(100, "1e10"), 0, 1},
    };
    for (const Case &c : cases) {
        expand(c.text, c.complex_mode);
        EXPECT_EQ(c.in_range, expansion_in_range()) << c.text.substr(0, 60);
    }
    // a result in range after one out of range: the test is for the last expansion only
    expand("1\r\n", 0);
    EXPECT_TRUE(expansion_in_range());
}

static std::string file_of(const std::string &text, int complex_mode, int japanese)
{
    expand(text, complex_mode);
    is_japanese = japanese;
    std::string bytes = capture_file([](FILE *f) { write_table(f); });
    is_japanese = 0;
    complex_input = 0;
    return bytes;
}

// The background under a hover label is saved in rows of 130 pixels: a
// wider label (a substituted font) is cut to that width, never drawn beyond
// what was saved.
TEST(HoverLabel, CutToTheSavedBackground)
{
    struct Case {
        LabelBox wanted, expected;
    } cases[] = {
        {{18, 52, 60, 70}, {18, 52, 60, 70}},      // "Expand" in a 14-pixel font
        {{0, 0, 129, 31}, {0, 0, 129, 31}},        // exactly the saved size
        {{10, 40, 140, 60}, {10, 40, 139, 60}},    // 131 columns
        {{114, 52, 900, 70}, {114, 52, 243, 70}},  // far too wide
        {{5, 5, 20, 80}, {5, 5, 20, 36}},          // too tall
        {{5, 5, 4, 4}, {5, 5, 4, 4}},              // empty
    };
    for (const Case &c : cases) {
        LabelBox box = savable_label_box(c.wanted);
        EXPECT_EQ(std::vector<int>({c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}),
                  std::vector<int>({box.left, box.top, box.right, box.bottom}))
            << "wanted right " << c.wanted.right << " bottom " << c.wanted.bottom;
    }
}

static std::string read_bytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The clipboard texts and result files of the end-to-end tests, made with
// exact rational arithmetic by tools/make_ruslam00_references.py.
TEST(ResultFile, ExactReferences)
{
    struct Case {
        const char *name;
        int complex_mode, japanese;
    } cases[] = {
        {"real_one", 0, 0},         {"real_two", 0, 0},      {"fraction", 0, 0},
        {"complex_conjugate", 1, 0}, {"complex_mixed", 1, 0}, {"hundred", 0, 0},
        {"japanese_complex", 1, 1},
    };
    for (const Case &c : cases) {
        std::string base = std::string(RUSLAM00_REFERENCES) + "/" + c.name;
        std::string text = read_bytes(base + ".txt"), expected = read_bytes(base + ".xls");
        ASSERT_FALSE(text.empty() || expected.empty()) << base;
        EXPECT_EQ(expected, file_of(text, c.complex_mode, c.japanese)) << c.name;
        EXPECT_LT((long)expected.size(), expansion_size_estimate()) << c.name;
    }
    // the one layout the references lack: real factors in Japanese
    EXPECT_EQ("因数分解式の展開\r\n\r\n入力データ\r\nA[1]\t  3.33333333E-01\r\n\r\n"
              "項\t係数\r\n Z^0\t   3.33333333E-01\r\n Z^1\t   1.00000000E+00\r\n",
              file_of("1/3\r\n", 0, 1));
}
