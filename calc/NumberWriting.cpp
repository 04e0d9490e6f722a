#include "calc/NumberWriting.h"
