#pragma once

#include <QDialog>
#include <cstdint>

#include "app/SystemInfo.h"

class QLabel;
class QPushButton;

// The About box: the program's title, version, description and maker, and a
// button that starts the computer's system-information tool. Modal; the caller
// recalculates the main window once it has closed.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    frmAbout(SystemInfo::Registry& registry, SystemInfo::ProgramLauncher& launcher, QWidget* parent = nullptr);

    void StartSysInfo();
    bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

protected:
    // Esc presses "OK", the same as Enter does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildElements();
    void Form_Load();

    SystemInfo::Registry& registry_;
    SystemInfo::ProgramLauncher& launcher_;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};
