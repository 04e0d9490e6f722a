#include "app/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppResources.h"
#include "app/BuildInfo.h"

namespace {

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QFrame* Separator(const QString& name, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : frmAbout(SystemInfo::SystemRegistry(), SystemInfo::SystemLauncher(), parent)
{
}

frmAbout::frmAbout(SystemInfo::Registry& registry, SystemInfo::ProgramLauncher& launcher, QWidget* parent)
    : QDialog(parent), registry_(registry), launcher_(launcher)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    BuildElements();
    Form_Load();
}

void frmAbout::BuildElements()
{
    auto* picIcon = NamedLabel(QStringLiteral("picIcon"), {}, this);
    picIcon->setPixmap(AppResources::ProgramIcon().pixmap(48, 48));
    auto* Image1 = NamedLabel(QStringLiteral("Image1"), {}, this);
    Image1->setPixmap(AppResources::AboutPicture());

    lblTitle_ = NamedLabel(QStringLiteral("lblTitle"), tr("Application Title"), this);
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    lblVersion_ = NamedLabel(QStringLiteral("lblVersion"), tr("Version"), this);
    auto* lblDescription =
        NamedLabel(QStringLiteral("lblDescription"), tr("Concrete Curing Evaporation Rate Calculator "), this);

    auto* Label1 = NamedLabel(QStringLiteral("Label1"), QStringLiteral("Brackmere Engineering Software"), this);
    auto* Label2 = NamedLabel(QStringLiteral("Label2"), QStringLiteral("12 Quarry Row, Millbrook Field Office"), this);
    auto* Label3 = NamedLabel(QStringLiteral("Label3"), tr("Telephone: 555-0142"), this);
    auto* Label4 = NamedLabel(QStringLiteral("Label4"), QStringLiteral("support@brackmere.example"), this);

    auto* lblDisclaimer =
        NamedLabel(QStringLiteral("lblDisclaimer"),
                   tr("Warning: Brackmere is an aid to engineering judgement, not a substitute for it. Check its "
                      "results against the project requirements and the conditions on site before acting on them."),
                   this);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setFixedWidth(320);

    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    auto* cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(picIcon, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle_);
    texts->addWidget(lblVersion_);
    texts->addWidget(lblDescription);
    texts->addWidget(Separator(QStringLiteral("Line1(0)"), this));
    for (QLabel* contact : {Label1, Label2, Label3, Label4})
        texts->addWidget(contact);
    texts->addStretch();
    layout->addLayout(texts, 0, 1, 2, 2);
    layout->addWidget(Image1, 1, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(Separator(QStringLiteral("Line1(1)"), this), 2, 0, 1, 3);
    layout->addWidget(lblDisclaimer, 3, 0, 2, 2, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(cmdOK_, 3, 2);
    layout->addWidget(cmdSysInfo, 4, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);

    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    cmdOK_->setFocus();
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromLatin1(BuildInfo::Title);
    setWindowTitle(tr("About ") + title);
    lblVersion_->setText(tr("Version %1.%2.%3")
                             .arg(BuildInfo::VersionMajor)
                             .arg(BuildInfo::VersionMinor)
                             .arg(BuildInfo::VersionRevision));
    lblTitle_->setText(title);
}

void frmAbout::StartSysInfo()
{
    SystemInfo::StartSysInfo(registry_, launcher_, this);
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    return SystemInfo::GetKeyValue(registry_, KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
