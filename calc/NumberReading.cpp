#include "calc/NumberReading.h"
