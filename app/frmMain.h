#pragma once

#include <QMainWindow>

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();
};
