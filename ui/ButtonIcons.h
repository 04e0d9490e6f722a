#pragma once

#include <QIcon>

// Small pictures for the window's buttons, drawn rather than shipped as files.
namespace ButtonIcons {
QIcon Save();
QIcon Records();
QIcon Printer();
}
