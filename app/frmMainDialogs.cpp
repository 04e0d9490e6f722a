#include <QLineEdit>
#include <QPushButton>

#include "app/HelpViewer.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmMainForm.h"

void frmMain::cmdValid_Click()
{
    ui->txtStealFocus->setFocus();
    ShowHelpTopic(QStringLiteral("inputRange.htm"));
}

void frmMain::mnuHelpContents_Click()
{
    ShowHelpTopic(QStringLiteral("introduction.htm"));
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(this);
    about.exec();
    RecalculateAndUnlockRedraw();
}
