#pragma once

#include <QString>

// The name the user logged in with, as records note who saved them.
QString LoginName();
