#include "app/frmMain.h"

frmMain::frmMain() = default;
