#include "gf2_search.h"

#include <cstdint>
#include <cstring>

namespace {

enum { WORDS = 32 };  // 2048 bits: the square of a polynomial of degree below 1024

struct Poly {
    uint64_t w[WORDS];
};

// The bits [pos, pos + width) of a, 1 <= width <= 64.
uint64_t get_bits(const Poly &a, int pos, int width)
{
    int word = pos >> 6, shift = pos & 63;
    uint64_t v = a.w[word] >> shift;
    if (shift != 0 && shift + width > 64)
        v |= a.w[word + 1] << (64 - shift);
    return width == 64 ? v : v & ((uint64_t(1) << width) - 1);
}

void xor_bits(Poly &a, int pos, uint64_t v)
{
    int word = pos >> 6, shift = pos & 63;
    a.w[word] ^= v << shift;
    if (shift != 0 && word + 1 < WORDS)
        a.w[word + 1] ^= v >> (64 - shift);
}

void clear_bits(Poly &a, int pos, int width)
{
    xor_bits(a, pos, get_bits(a, pos, width));
}

// The modulus x^n + sum of x^k (k in terms, 0 included), sparse.
struct Modulus {
    int n;
    std::vector<int> terms;  // the exponents below n, 0 among them
    int chunk;               // bits folded at once: at most n - (largest term)
};

// r mod f for r of degree below 2n - 1: the bits from n up are folded down
// in chunks, x^n = sum of x^k, from the top, each chunk landing below itself.
void reduce(Poly &r, const Modulus &f)
{
    int top = 2 * f.n - 2;
    while (top >= f.n) {
        int low = top - f.chunk + 1;
        if (low < f.n)
            low = f.n;
        int width = top - low + 1;
        uint64_t v = get_bits(r, low, width);
        if (v != 0) {
            clear_bits(r, low, width);
            for (int k : f.terms)
                xor_bits(r, low - f.n + k, v);
        }
        top = low - 1;
    }
}

// 16 bits spread to 32: bit i goes to bit 2i (squaring over GF(2)).
uint32_t spread16(uint32_t x)
{
    uint32_t v = x & 0xFFFF;
    v = (v | (v << 8)) & 0x00FF00FF;
    v = (v | (v << 4)) & 0x0F0F0F0F;
    v = (v | (v << 2)) & 0x33333333;
    v = (v | (v << 1)) & 0x55555555;
    return v;
}

void square_mod(Poly &a, const Modulus &f)
{
    Poly s;
    memset(&s, 0, sizeof s);
    int words = (f.n + 63) / 64;
    for (int i = 0; i < words; i++) {
        uint64_t w = a.w[i];
        s.w[2 * i] = spread16((uint32_t)w) | (uint64_t)spread16((uint32_t)(w >> 16)) << 32;
        s.w[2 * i + 1] = spread16((uint32_t)(w >> 32)) | (uint64_t)spread16((uint32_t)(w >> 48)) << 32;
    }
    reduce(s, f);
    a = s;
}

int degree_of(const Poly &a)
{
    for (int i = WORDS - 1; i >= 0; i--)
        if (a.w[i])
            return i * 64 + 63 - __builtin_clzll(a.w[i]);
    return -1;
}

// a ^= b * x^shift
void xor_shifted(Poly &a, const Poly &b, int degree_b, int shift)
{
    for (int i = 0; i <= degree_b; i += 64) {
        int width = degree_b - i + 1 < 64 ? degree_b - i + 1 : 64;
        xor_bits(a, i + shift, get_bits(b, i, width));
    }
}

// 1 when gcd(a, b) = 1, by Euclid's algorithm.
int coprime(Poly a, Poly b)
{
    int da = degree_of(a), db = degree_of(b);
    while (db >= 0) {
        while (da >= db) {
            xor_shifted(a, b, db, da - db);
            da = degree_of(a);
        }
        Poly t = a;
        a = b;
        b = t;
        int dt = da;
        da = db;
        db = dt;
    }
    return da == 0;
}

std::vector<int> prime_divisors(int n)
{
    std::vector<int> primes;
    for (int p = 2; p * p <= n; p++)
        if (n % p == 0) {
            primes.push_back(p);
            while (n % p == 0)
                n /= p;
        }
    if (n > 1)
        primes.push_back(n);
    return primes;
}

// An irreducible polynomial g of small degree d and x^j mod g for
// j = 0 .. 2^d - 2: x^(2^d - 1) = 1 mod g, so x^e mod g is powers[e mod (2^d - 1)].
struct SmallFactor {
    int degree;
    std::vector<uint16_t> powers;
};

enum { SMALL_FACTOR_DEGREE = 12 };

// carry-less product of two polynomials of small degree
uint32_t small_product(uint32_t a, uint32_t b)
{
    uint32_t p = 0;
    for (int i = 0; b >> i; i++)
        if ((b >> i) & 1)
            p ^= a << i;
    return p;
}

int small_degree(uint32_t a)
{
    return 31 - __builtin_clz(a);
}

// The irreducible polynomials of degree 1 to SMALL_FACTOR_DEGREE, found by
// striking out every product of two polynomials of degree >= 1.
const std::vector<SmallFactor> &small_factors()
{
    static std::vector<SmallFactor> factors;
    if (!factors.empty())
        return factors;
    const uint32_t limit = 1u << (SMALL_FACTOR_DEGREE + 1);
    std::vector<char> composite(limit, 0);
    for (uint32_t a = 2; a < limit; a++)
        for (uint32_t b = a; b < limit && small_degree(a) + small_degree(b) <= SMALL_FACTOR_DEGREE; b++)
            composite[small_product(a, b)] = 1;
    for (uint32_t g = 2; g < limit; g++) {
        if (composite[g])
            continue;
        SmallFactor factor;
        factor.degree = small_degree(g);
        uint32_t period = (1u << factor.degree) - 1, power = 1;
        for (uint32_t j = 0; j < period; j++) {
            factor.powers.push_back((uint16_t)power);
            power <<= 1;
            if (power >> factor.degree)
                power ^= g;
        }
        factors.push_back(factor);
    }
    return factors;
}

// 1 when an irreducible polynomial of degree at most SMALL_FACTOR_DEGREE and
// at most n / 2 divides x^n + the sum of x^k over terms (0 among them).
int has_small_factor(int n, const std::vector<int> &terms)
{
    for (const SmallFactor &g : small_factors()) {
        if (2 * g.degree > n)
            break;
        size_t period = g.powers.size();
        uint32_t remainder = g.powers[n % period];
        for (int k : terms)
            remainder ^= g.powers[k % period];
        if (remainder == 0)
            return 1;
    }
    return 0;
}

}  // namespace

// Rabin: f of degree n is irreducible exactly when x^(2^n) = x mod f and,
// for every prime p dividing n, gcd(x^(2^(n/p)) - x, f) = 1.
int is_irreducible_sparse(int n, const std::vector<int> &middle)
{
    Modulus f;
    f.n = n;
    f.terms = middle;
    f.terms.push_back(0);
    int largest = 0;
    for (int k : f.terms)
        largest = k > largest ? k : largest;
    f.chunk = n - largest < 64 ? n - largest : 64;
    if (has_small_factor(n, f.terms))
        return 0;  // most reducible candidates show a small factor

    Poly f_poly;
    memset(&f_poly, 0, sizeof f_poly);
    xor_bits(f_poly, n, 1);
    for (int k : f.terms)
        xor_bits(f_poly, k, 1);

    std::vector<int> primes = prime_divisors(n);
    std::vector<Poly> saved(primes.size());
    Poly h;
    memset(&h, 0, sizeof h);
    xor_bits(h, 1, 1);  // x
    for (int i = 1; i <= n; i++) {
        square_mod(h, f);
        for (size_t j = 0; j < primes.size(); j++)
            if (i == n / primes[j])
                saved[j] = h;
    }
    Poly x;
    memset(&x, 0, sizeof x);
    xor_bits(x, 1, 1);
    if (memcmp(&h, &x, sizeof h) != 0)
        return 0;
    for (Poly &g : saved) {
        xor_bits(g, 1, 1);  // x^(2^(n/p)) - x
        if (degree_of(g) < 0 || !coprime(f_poly, g))
            return 0;
    }
    return 1;
}

static std::string entry_text(int n, const std::vector<int> &middle)
{
    std::string text = std::to_string(n) + ".";
    for (int k : middle)
        text += std::to_string(k) + ".";
    return text;
}

std::string gf2_table_entry(int n)
{
    // x^n + x^k + 1 is irreducible exactly when its reciprocal x^n + x^(n-k) + 1
    // is: when no k <= n/2 serves, none does.
    for (int k = 1; k <= n / 2; k++)
        if (is_irreducible_sparse(n, {k}))
            return entry_text(n, {k});
    for (int k3 = 3; k3 < n; k3++)
        for (int k2 = 2; k2 < k3; k2++)
            for (int k1 = 1; k1 < k2; k1++)
                if (is_irreducible_sparse(n, {k3, k2, k1}))
                    return entry_text(n, {k3, k2, k1});
    return "";
}
