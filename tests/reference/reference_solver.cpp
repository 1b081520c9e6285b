#include "reference/reference_solver.h"
