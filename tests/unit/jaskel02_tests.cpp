// The GF(2) table of jaskel02: the compiled-in table against the rule that
// defines it, a second irreducibility test (Berlekamp's) on every entry, and
// the ".txt" file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "gf2_polynomials.h"
#include "gf2_search.h"
#include "gf2_table.h"
#include "shell_rules.h"

// The exponents of an entry: the degree first, then the middle terms.
static std::vector<int> entry_numbers(const char *entry)
{
    std::vector<int> numbers;
    for (char *end = NULL; *entry; entry = end + 1)
        numbers.push_back((int)strtol(entry, &end, 10));
    return numbers;
}

TEST(Gf2Table, EveryEntryIsWhatTheRuleMakes)
{
    int trinomials = 0, pentanomials = 0;
    for (int n = GF2_FIRST_ENTRY; n <= GF2_LAST_DEGREE; n++) {
        EXPECT_EQ(gf2_table_entry(n), gf2_polynomial_table[n]) << "degree " << n;
        size_t terms = entry_numbers(gf2_polynomial_table[n]).size();
        trinomials += terms == 2;
        pentanomials += terms == 4;
    }
    EXPECT_EQ(545, trinomials);
    EXPECT_EQ(454, pentanomials);
}

// Dense polynomials over GF(2) for the second, independent test: bit i of
// word i / 64 is the coefficient of x^i.
typedef std::vector<uint64_t> Bits;

static int get(const Bits &a, int i) { return (int)((a[i / 64] >> (i % 64)) & 1); }
static void flip(Bits &a, int i) { a[i / 64] ^= uint64_t(1) << (i % 64); }

static int top_degree(const Bits &a)
{
    for (int i = (int)a.size() * 64 - 1; i >= 0; i--)
        if (get(a, i))
            return i;
    return -1;
}

static Bits dense(int n, const std::vector<int> &exponents)
{
    Bits f((n + 1 + 63) / 64 + 1, 0);
    for (int e : exponents)
        flip(f, e);
    return f;
}

// a := a * x mod f (f of degree n, a of degree below n)
static void times_x(Bits &a, const Bits &f, int n)
{
    for (int i = (int)a.size() - 1; i >= 0; i--)
        a[i] = (a[i] << 1) | (i > 0 ? a[i - 1] >> 63 : 0);
    if (get(a, n))
        for (size_t i = 0; i < a.size(); i++)
            a[i] ^= f[i];
}

// 1 when gcd(a, b) = 1 (bit by bit).
static int coprime_dense(Bits a, Bits b)
{
    int da = top_degree(a), db = top_degree(b);
    while (db >= 0) {
        while (da >= db) {
            for (int i = 0; i <= db; i++)
                if (get(b, i))
                    flip(a, i + da - db);
            da = top_degree(a);
        }
        std::swap(a, b);
        std::swap(da, db);
    }
    return da == 0;
}

// Berlekamp: f is irreducible exactly when it is squarefree (gcd(f, f') = 1)
// and Q - I has rank n - 1, Q being the matrix whose row i is x^(2i) mod f;
// n - rank(Q - I) counts the distinct irreducible factors.
static int berlekamp_irreducible(int n, const std::vector<int> &exponents)
{
    Bits f = dense(n, exponents);
    Bits derivative(f.size(), 0);
    for (int e : exponents)
        if (e % 2 == 1)
            flip(derivative, e - 1);
    if (top_degree(derivative) < 0 || !coprime_dense(f, derivative))
        return 0;
    int words = (n + 63) / 64;
    std::vector<Bits> rows;
    Bits power(f.size(), 0);
    flip(power, 0);
    for (int i = 0; i < n; i++) {
        Bits row(power.begin(), power.begin() + words);
        flip(row, i);  // minus the identity
        rows.push_back(row);
        times_x(power, f, n);
        times_x(power, f, n);
    }
    int rank = 0;
    for (int column = 0; column < n && rank < n; column++) {
        int pivot = -1;
        for (int r = rank; r < n; r++)
            if (get(rows[r], column)) {
                pivot = r;
                break;
            }
        if (pivot < 0)
            continue;
        std::swap(rows[rank], rows[pivot]);
        for (int r = rank + 1; r < n; r++)
            if (get(rows[r], column))
                for (int w = 0; w < words; w++)
                    rows[r][w] ^= rows[rank][w];
        rank++;
    }
    return rank == n - 1;
}

// All exponents of an entry, the constant term included.
static std::vector<int> all_exponents(const std::vector<int> &numbers)
{
    std::vector<int> exponents = numbers;
    exponents.push_back(0);
    return exponents;
}

TEST(Gf2Table, BerlekampFindsEveryEntryIrreducible)
{
    for (int n = GF2_FIRST_ENTRY; n <= GF2_LAST_DEGREE; n++)
        EXPECT_TRUE(berlekamp_irreducible(n, all_exponents(entry_numbers(gf2_polynomial_table[n])))) << "degree " << n;
}

// For a sample of degrees every candidate that comes before the entry in
// the rule's order is reducible: no smaller trinomial, and for a pentanomial
// entry no trinomial at all and no smaller pentanomial.
TEST(Gf2Table, BerlekampFindsNoEarlierCandidateIrreducible)
{
    std::vector<int> sample;
    for (int n = 2; n <= 48; n++)
        sample.push_back(n);
    for (int n : {64, 96, 100, 127, 128, 200, 256})
        sample.push_back(n);
    for (int n : sample) {
        std::vector<int> entry = entry_numbers(gf2_polynomial_table[n]);
        std::vector<std::vector<int>> earlier;
        int last_k = entry.size() == 2 ? entry[1] : n;
        for (int k = 1; k < last_k; k++)
            earlier.push_back({n, k, 0});
        if (entry.size() == 4)
            for (int k3 = 3; k3 <= entry[1]; k3++)
                for (int k2 = 2; k2 < k3; k2++)
                    for (int k1 = 1; k1 < k2; k1++) {
                        if (k3 == entry[1] && (k2 > entry[2] || (k2 == entry[2] && k1 >= entry[3])))
                            continue;
                        earlier.push_back({n, k3, k2, k1, 0});
                    }
        for (const auto &candidate : earlier)
            EXPECT_FALSE(berlekamp_irreducible(n, candidate)) << "degree " << n << " candidate " << candidate[1];
    }
}

// The entries are irreducible, not all primitive: modulo x^8 + x^4 + x^3 + x + 1
// the powers of x repeat after 51 steps, not 255.
TEST(Gf2Table, DegreeEightEntryIsNotPrimitive)
{
    ASSERT_STREQ("8.4.3.1.", gf2_polynomial_table[8]);
    Bits f = dense(8, {8, 4, 3, 1, 0});
    Bits power(f.size(), 0);
    flip(power, 0);
    int order = 0;
    do {
        times_x(power, f, 8);
        order++;
    } while (top_degree(power) != 0 && order < 300);
    EXPECT_EQ(51, order);
}

TEST(Gf2Table, TextFiles)
{
    struct Case {
        int n, all, japanese;
        const char *bytes;
    } cases[] = {
        {8, 0, 0, "PRIMITIVE POLYNOMIAL [degree(s) 8]\r\n\r\nX^8 + X^4 + X^3 + X^1 + 1\r\n"},
        {1, 0, 1, "原始多項式 [1次]\r\n\r\nX^1 + 1\r\n"},
        {3, 1, 0, "PRIMITIVE POLYNOMIAL\r\n\r\nX^1 + 1\r\nX^2 + X^1 + 1\r\nX^3 + X^1 + 1\r\n"},
        {2, 1, 1, "原始多項式\r\n\r\nX^1 + 1\r\nX^2 + X^1 + 1\r\n"},
    };
    for (const Case &c : cases) {
        output_all_degrees = c.all;
        EXPECT_EQ(c.bytes, capture_tables(c.n, c.all, 0, c.japanese)) << c.n;
    }
    output_all_degrees = 1;
    std::string all = capture_tables(1000, 1, 0, 0);
    output_all_degrees = 0;
    EXPECT_EQ(1002u, count_occurrences(all, "\r\n"));
    EXPECT_LT((long)all.size(), table_spec.estimate_bytes(1000, 1));
    const std::string last = "\r\nX^999 + X^59 + 1\r\nX^1000 + X^5 + X^4 + X^3 + 1\r\n";
    EXPECT_EQ(all.size() - last.size(), all.find(last));
}

// The ".txt" road: its own ending.
TEST(Gf2Table, TextFileRoad)
{
    EXPECT_EQ(&text_file, table_spec.file_kind);
    EXPECT_TRUE(has_extension("Z:\\a\\gf2.TXT", table_spec.file_kind->extension));
    EXPECT_FALSE(has_extension("Z:\\a\\gf2.xls", table_spec.file_kind->extension));
}
