#include "programs.h"

#include <cstring>

static const ParameterControl order_list[] = {{"m", 101}, {nullptr, 0}};
static const ParameterControl function_box[] = {{"second_kind", 106}, {nullptr, 0}};
static const ParameterControl family_buttons[] = {{"kind", 107}, {nullptr, 0}};

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
};

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
