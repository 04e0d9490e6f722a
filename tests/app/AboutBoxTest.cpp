#include <gtest/gtest.h>

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

    template <typename T>
    T* Find(const char* name) const
    {
        T* found = about.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no element " << name;
        return found;
    }
    QString LabelText(const char* name) const { return Find<QLabel>(name)->text(); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
};

TEST_F(AboutBoxTest, ShowsItsTextsPicturesAndButtons)
{
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Brackmere"));
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(LabelText("lblTitle"), QStringLiteral("Brackmere"));
    EXPECT_EQ(LabelText("lblVersion"), QStringLiteral("Version 1.0.17"));
    EXPECT_EQ(LabelText("lblDescription"), QStringLiteral("Concrete Curing Evaporation Rate Calculator "));
    EXPECT_TRUE(LabelText("lblDisclaimer").startsWith(QStringLiteral("Warning: ")));
    for (const char* contact : {"Label1", "Label2", "Label3", "Label4"})
        EXPECT_FALSE(LabelText(contact).trimmed().isEmpty()) << contact;
    for (const char* picture : {"picIcon", "Image1"})
        EXPECT_FALSE(Find<QLabel>(picture)->pixmap().isNull()) << picture << " shows no picture";
    Find<QFrame>("Line1(0)");
    Find<QFrame>("Line1(1)");
    EXPECT_EQ(Button("cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_TRUE(Button("cmdOK")->isDefault());
    EXPECT_EQ(Button("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
}

TEST_F(AboutBoxTest, EnterEscAndOKCloseItAlike)
{
    // Key_unknown stands for a click on OK.
    const std::pair<Qt::Key, const char*> closings[] = {
        {Qt::Key_Return, "Enter"}, {Qt::Key_Escape, "Esc"}, {Qt::Key_unknown, "OK"}};
    for (const auto& [key, name] : closings) {
        SCOPED_TRACE(name);
        about.setResult(QDialog::Rejected);
        about.show();
        if (key == Qt::Key_unknown)
            QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
        else
            QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.result(), QDialog::Accepted);
    }
}

TEST_F(AboutBoxTest, SystemInfoStartsTheToolTheRegistryNamesOrSaysItIsUnavailable)
{
    about.show();
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages().front().text, QStringLiteral("System Information Is Unavailable At This Time"));
    EXPECT_TRUE(launcher.started.isEmpty());
    EXPECT_TRUE(about.isVisible()) << "the box stays open";

    registry.setValue(QString::fromLatin1(SystemInfo::MsInfoKey), QStringLiteral("PATH"),
                      {SystemInfo::RegSz, QByteArray("C:\\Tools\\msinfo32.exe")});
    QTest::mouseClick(Button("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(launcher.started, QStringList{QStringLiteral("C:\\Tools\\msinfo32.exe")});
    EXPECT_EQ(messages.messages().size(), 1u) << "no second message";
}

}  // namespace
