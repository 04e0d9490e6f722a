#include "calc/NomographRun.h"
