#include "calc/ScenarioSolver.h"
