#include "one_parameter.h"

double param_a;
