// A literal reference of the rule checks and the solver, written straight from the rules
// (a full isBoardValid for every trial). Used by the differential test and the benchmark.
#pragma once
#include "engine/board.h"
#include "engine/solver.h"
