#include "programs.h"

#include <cstring>

const ProgramCase programs[] = {
    {"wibsor02", "Legendre Polynomial [II]", "ルジャンドル多項式 [II]", "WIBSOR02.TXT", 101, 0, 101, 102, 103, 104, 105, 106,
     nullptr},
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
