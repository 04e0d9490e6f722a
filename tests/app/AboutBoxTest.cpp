#include <gtest/gtest.h>

#include <ostream>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/frmAbout.h"
#include "tests/app/FakeSystem.h"
#include "tests/support/MessageRecorder.h"

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    FakeRegistry registry;
    FakeLauncher launcher;
    MessageRecorder messages;
    frmAbout about{registry, launcher};

    QString LabelText(const char* name) const
    {
        const auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
    }
    QPushButton* Button(const char* name) const { return about.findChild<QPushButton*>(QString::fromLatin1(name)); }
};

TEST_F(AboutBoxTest, NamesTheProgramAndItsVersion)
{
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Brackmere"));
    EXPECT_EQ(LabelText("lblTitle"), QStringLiteral("Brackmere"));
    EXPECT_EQ(LabelText("lblVersion"), QStringLiteral("Version 1.0.17"));
    EXPECT_EQ(LabelText("lblDescription"), QStringLiteral("Concrete Curing Evaporation Rate Calculator "));
    EXPECT_TRUE(LabelText("lblDisclaimer").startsWith(QStringLiteral("Warning: ")));
    EXPECT_TRUE(about.isModal());
}

TEST_F(AboutBoxTest, HasItsElements)
{
    for (const char* contact : {"Label1", "Label2", "Label3", "Label4"})
        EXPECT_FALSE(LabelText(contact).trimmed().isEmpty()) << contact;
    for (const char* picture : {"picIcon", "Image1"}) {
        const auto* label = about.findChild<QLabel*>(QString::fromLatin1(picture));
        ASSERT_NE(label, nullptr) << picture;
        EXPECT_FALSE(label->pixmap().isNull()) << picture << " shows no picture";
    }
    EXPECT_NE(about.findChild<QFrame*>(QStringLiteral("Line1(0)")), nullptr);
    EXPECT_NE(about.findChild<QFrame*>(QStringLiteral("Line1(1)")), nullptr);
    ASSERT_NE(Button("cmdOK"), nullptr);
    EXPECT_EQ(Button("cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_TRUE(Button("cmdOK")->isDefault());
    ASSERT_NE(Button("cmdSysInfo"), nullptr);
    EXPECT_EQ(Button("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
}

// Enter and Esc close the box as OK does; Key_unknown stands for a click on OK.
struct ClosingKey {
    const char* name;
    Qt::Key key;
};

void PrintTo(const ClosingKey& row, std::ostream* out)
{
    *out << row.name;
}

class AboutBoxCloses : public AboutBoxTest, public ::testing::WithParamInterface<ClosingKey> {};

TEST_P(AboutBoxCloses, LikeOK)
{
    about.show();
    if (GetParam().key == Qt::Key_unknown)
        QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
    else
        QTest::keyClick(&about, GetParam().key);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutBoxCloses,
                         ::testing::Values(ClosingKey{"Enter", Qt::Key_Return}, ClosingKey{"Esc", Qt::Key_Escape},
                                           ClosingKey{"OKButton", Qt::Key_unknown}),
                         [](const ::testing::TestParamInfo<ClosingKey>& info) { return std::string(info.param.name); });

TEST_F(AboutBoxTest, SystemInfoWithoutTheToolSaysSoAndStaysOpen)
{
    about.show();
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);

    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages().front().text, QStringLiteral("System Information Is Unavailable At This Time"));
    EXPECT_TRUE(launcher.started.isEmpty());
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutBoxTest, SystemInfoStartsTheToolTheRegistryNames)
{
    registry.setValue(QString::fromLatin1(SystemInfo::MsInfoKey), QStringLiteral("PATH"),
                      {SystemInfo::RegSz, QByteArray("C:\\Tools\\msinfo32.exe")});
    about.show();
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);

    EXPECT_EQ(launcher.started, QStringList{QStringLiteral("C:\\Tools\\msinfo32.exe")});
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
