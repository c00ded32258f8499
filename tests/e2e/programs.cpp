#include "programs.h"

#include <cstring>

static const ParameterControl order_list[] = {{"m", 101}, {nullptr, 0}};
static const ParameterControl order_list_102[] = {{"m", 102}, {nullptr, 0}};
static const ParameterControl function_box[] = {{"second_kind", 106}, {nullptr, 0}};
static const ParameterControl family_buttons[] = {{"kind", 107}, {nullptr, 0}};
static const ParameterControl jacobi_entries[] = {{"a", 102}, {"b", 103}, {"expansion", 109}, {nullptr, 0}};
static const ParameterControl gould_entries[] = {{"a", 102}, {"b", 103}, {nullptr, 0}};
static const ParameterControl entry_v[] = {{"v", 102}, {nullptr, 0}};
static const ParameterControl entry_a[] = {{"a", 102}, {nullptr, 0}};
static const ParameterControl points_list[] = {{"m", 102}, {nullptr, 0}};
static const ParameterControl exact_numbers_box[] = {{"exact", 106}, {nullptr, 0}};
static const ParameterControl start_values[] = {{"p", 102}, {"q", 103}, {nullptr, 0}};
static const ParameterControl order_box[] = {{"second_order", 106}, {nullptr, 0}};
static const ParameterControl factorial_kinds[] = {{"kind", 106}, {nullptr, 0}};
static const ParameterControl q_binomial_inputs[] = {{"q", 101}, {"m", 103}, {nullptr, 0}};

// name, titles, readme; degree list id, first item, items; About, Exit,
// Calculation, all degrees, normalization; parameters
const ProgramCase programs[] = {
    {"wibsor02", "Legendre Polynomial [II]", "ルジャンドル多項式 [II]", "WIBSOR02.TXT", 101, 0, 101, 102, 103, 104, 105, 106,
     nullptr},
    {"wibsor01", "Legendre Polynomial", "ルジャンドル多項式", "WIBSOR01.TXT", 101, 0, 101, 102, 103, 104, 105, 106, nullptr},
    {"s_vomb00", "Legendre Polynomial [III]", "ルジャンドル多項式 [III]", "S_VOMB00.TXT", 101, 1, 101, 102, 103, 104, 105,
     106, nullptr},
    {"wibsor03", "Associated Legendre Polynomial", "ルジャンドル陪多項式", "WIBSOR03.TXT", 102, 0, 101, 103, 104, 105, 106, 0,
     order_list},
    {"nolquy01", "Tchebycheff Polynomials", "チェビシェフ多項式", "NOLQUY01.TXT", 101, 0, 101, 102, 103, 104, 105, 106, nullptr},
    {"yarnok00", "Spherical Bessel Polynomials", "球ベッセル多項式", "YARNOK00.TXT", 101, 0, 101, 102, 103, 104, 105, 0,
     function_box},
    {"hapsed00", "Neumann Polynomial", "ノイマン多項式", "HAPSED00.TXT", 101, 0, 100, 102, 103, 104, 105, 0, nullptr},
    {"korpix00", "Schlaefli Polynomial", "シュレフリ多項式", "KORPIX00.TXT", 101, 0, 101, 102, 103, 104, 105, 0, nullptr},
    {"pomrel95", "Zeros and Weight-factors", "多項式の零点と重み関数", "POMREL95.TXT", 101, 2, 29, 102, 103, 104, 105, 0,
     family_buttons},
    {"morvek00", "Jacobi Polynomial", "ヤコビ多項式", "MORVEK00.TXT", 101, 0, 101, 104, 105, 106, 107, 108, jacobi_entries},
    {"pabri00", "Gould Polynomial", "グールド多項式", "PABRI00.TXT", 101, 0, 101, 104, 105, 106, 107, 0, gould_entries},
    {"tislor01", "Gegenbauer Polynomial", "ゲーゲンバウエル多項式", "TISLOR01.TXT", 101, 0, 101, 103, 104, 105, 106, 107,
     entry_v},
    {"kavnet00", "Hermite Polynomial", "エルミート多項式", "KAVNET00.TXT", 101, 0, 101, 103, 104, 105, 106, 0, entry_a},
    {"sirmod00", "Laguerre Polynomial", "ラゲール多項式", "SIRMOD00.TXT", 101, 0, 101, 103, 104, 105, 106, 107, entry_a},
    {"vemtra00", "Charlier Polynomial", "シャリエ多項式", "VEMTRA00.TXT", 101, 0, 101, 103, 104, 105, 106, 0, entry_a},
    {"nolquy00", "Tchebycheff Orthogonal Polynomial", "チェビシェフ直交多項式", "NOLQUY00.TXT", 101, 0, 101, 103, 104, 105,
     106, 0, points_list},
    {"fartuk00", "Lommel Polynomial", "ロンメル多項式", "FARTUK00.TXT", 101, 0, 101, 103, 104, 105, 106, 0, entry_a},
    {"kenvat00", "Ultraspherical Polynomial", "超球多項式", "KENVAT00.TXT", 101, 1, 101, 103, 104, 105, 106, 107,
     order_list_102},
    // Euler, Bernoulli, Fibonacci and Lucas programs
    {"tovex00", "Euler Polynomial", "オイラー多項式", "TOVEX00.TXT", 101, 0, 101, 102, 103, 104, 105, 0, nullptr},
    {"zolvin00", "Bernoulli Polynomial", "ベルヌーイ多項式", "ZOLVIN00.TXT", 101, 0, 101, 102, 103, 104, 105, 0, nullptr},
    {"mirgol00", "Fibonacci Polynomial", "フィボナッチ多項式", "MIRGOL00.TXT", 101, 1, 101, 102, 103, 104, 105, 0,
     exact_numbers_box},
    {"dremp00", "Lucas Polynomial", "リュカ多項式", "DREMP00.TXT", 101, 1, 100, 102, 103, 104, 105, 0, exact_numbers_box},
    // mirgol95 starts at the item "0"; jaskel02 writes ".txt" files
    {"mirgol95", "Generalized Fibonacci Numbers", "一般化フィボナッチ数", "MIRGOL95.TXT", 101, -100, 201, 104, 105, 106, 107,
     0, start_values, 100},
    {"jaskel02", "Primitive Polynomial", "原始多項式", "JASKEL02.TXT", 101, 1, 1000, 102, 103, 104, 105, 0, nullptr, 0,
     ".txt"},
    // Stirling and Eulerian numbers, Stirling polynomials
    {"quobit95", "Stirling Numbers", "スターリング数", "QUOBIT95.TXT", 101, 1, 100, 102, 103, 104, 105, 0, nullptr},
    {"tovex98", "Eulerian Numbers", "オイラリアン数", "TOVEX98.TXT", 101, 1, 100, 102, 103, 104, 105, 0, order_box},
    {"quobit00", "Stirling Polynomial", "スターリング多項式", "QUOBIT00.TXT", 101, 0, 101, 102, 103, 104, 105, 106,
     nullptr},
    {"nusk00", "Bell Polynomial", "ベル多項式", "NUSK00.TXT", 101, 0, 101, 102, 103, 104, 105, 0, nullptr},
    {"gustre00", "Expansion of Factorial Polynomial", "階乗多項式の展開", "GUSTRE00.TXT", 101, 1, 100, 102, 103, 104,
     105, 0, factorial_kinds},
    {"zolvin01", "Bernoulli Polynomial of the 2nd Kind", "第二種ベルヌーイ多項式", "ZOLVIN01.TXT", 101, 0, 101, 102, 103,
     104, 105, 0, nullptr},
    {"duvest95", "q-Binomial Coefficient", "q 二項係数", "DUVEST95.TXT", 102, 1, 200, 105, 107, 108, 0, 0,
     q_binomial_inputs},
};

const BusyCase busy_cases[] = {
    {"pabri00", 100, "a=10 b=10 all=1", 189, 109, "pabri00_en_100_1_0_a=10_b=10.xls"},
    {"pomrel95", 30, "kind=1 all=1", 115, 109, "pomrel95_en_30_1_0_kind=1.xls"},
    {"gustre00", 100, "kind=2 all=1", 301, 116, "gustre00_en_100_1_0_kind=2.xls"},
    {"zolvin01", 100, "all=1", 199, 56, "zolvin01_en_100_1_0.xls"},
};

const int busy_case_count = sizeof busy_cases / sizeof busy_cases[0];

#define RANGE_A "The numerical value of a : -10 <= a <= 10", "a の数値： -10 <= a <= 10"

const EntryCase entries[] = {
    {"morvek00", 102, "a", 1, "10.5", RANGE_A},
    {"morvek00", 103, "b", 1, "-10.01", "The numerical value of b : -10 <= b <= 10", "b の数値： -10 <= b <= 10"},
    {"pabri00", 102, "a", 1, "-11", RANGE_A},
    {"tislor01", 102, "v", 0, "0", "The numerical value of v :  0 < v <= 10", "v の数値： 0 < v <= 10"},
    {"kavnet00", 102, "a", 1, "10.5", RANGE_A},
    {"sirmod00", 102, "a", 1, "-10.01", RANGE_A},
    {"vemtra00", 102, "a", 1, "10.001", RANGE_A},
    {"fartuk00", 102, "a", 1, "-12", RANGE_A},
};

const int entry_count = sizeof entries / sizeof entries[0];

#define INFORMATION "Information", "お知らせ"

const RefusalCase refusals[] = {
    {"nolquy00", 3, "m=3", "The numerical value of m :  n + 1 <= m", "m の数値：  n + 1 <= m", INFORMATION},
    {"kenvat00", 1, "m=2", "The numerical value of m :  m <= n", "m の数値：  m <= n", INFORMATION},
    {"morvek00", 2, "a=1 b=0", "For b, zero or minus integer is not allowed.", "b は、零 または 負整数 は許されません.",
     INFORMATION},
    {"morvek00", 1, "a=-1 b=1 normalize=1",
     "For a = -1 the leading coefficient of the polynomial of degree 1 is 0: the coefficients cannot be normalized.",
     "a = -1 では 1 次の多項式の最高次係数が 0 となるため, 係数を基準化できません.", INFORMATION},
};

const int refusal_count = sizeof refusals / sizeof refusals[0];

const int program_count = sizeof programs / sizeof programs[0];

const ProgramCase *find_program(const char *name)
{
    for (int i = 0; i < program_count; i++)
        if (strcmp(programs[i].name, name) == 0)
            return &programs[i];
    return nullptr;
}

int parameter_control(const ProgramCase &program, const char *name)
{
    for (const ParameterControl *p = program.parameters; p && p->name; p++)
        if (strcmp(p->name, name) == 0)
            return p->id;
    return 0;
}
