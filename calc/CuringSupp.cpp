#include "calc/CuringSupp.h"
