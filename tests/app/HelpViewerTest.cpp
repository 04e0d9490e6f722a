#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "app/HelpFile.h"
#include "app/HelpViewer.h"

namespace {

// The help file as the build places it beside the program.
QString ShippedHelpFile()
{
    return QStringLiteral(BRACKMERE_SHIPPED_HELP_FILE);
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The middle of the first link in the page to this target.
std::optional<QTextCursor> FindLink(QTextDocument* document, const QString& target)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == target) {
                QTextCursor cursor(document);
                cursor.setPosition(it.fragment().position() + it.fragment().length() / 2);
                return cursor;
            }
    return std::nullopt;
}

TEST(HelpFile, StandsBesideTheProgramAsCommitted)
{
    const QByteArray shipped = FileBytes(ShippedHelpFile());
    ASSERT_FALSE(shipped.isEmpty()) << ShippedHelpFile().toStdString();
    EXPECT_EQ(shipped, FileBytes(QStringLiteral(BRACKMERE_SOURCE_HELP_FILE)));
}

TEST(HelpFile, HoldsThePagesAndPicturesOfItsSources)
{
    const HelpFile help(ShippedHelpFile());
    ASSERT_TRUE(help.isOpen());
    for (const char* name : {"introduction.htm", "inputRange.htm", "images/nomograph.png", "images/scenarios.png"}) {
        const auto stored = help.read(QString::fromLatin1(name));
        ASSERT_TRUE(stored.has_value()) << name;
        EXPECT_EQ(*stored, FileBytes(QStringLiteral(BRACKMERE_HELP_SOURCES "/") + QString::fromLatin1(name))) << name;
    }
    EXPECT_FALSE(help.read(QStringLiteral("noSuchTopic.htm")).has_value());
}

class HelpViewerTest : public ::testing::Test {
protected:
    HelpViewer viewer;

    QString PageText() const { return viewer.browser()->toPlainText(); }
    QString PageTitle() const { return viewer.browser()->documentTitle(); }
};

TEST_F(HelpViewerTest, OpensATopicAndFollowsALinkClickedInIt)
{
    viewer.show();
    viewer.ShowTopic(ShippedHelpFile(), QStringLiteral("introduction.htm"));
    EXPECT_TRUE(PageText().contains(QStringLiteral("concrete surface temperature (°F)"))) << "read as UTF-8";
    const auto link = FindLink(viewer.browser()->document(), QStringLiteral("inputRange.htm"));
    ASSERT_TRUE(link.has_value());
    viewer.browser()->setTextCursor(*link);
    viewer.browser()->ensureCursorVisible();
    const QPoint where = viewer.browser()->cursorRect(*link).center();

    QTest::mouseClick(viewer.browser()->viewport(), Qt::LeftButton, Qt::NoModifier, where);

    EXPECT_EQ(viewer.browser()->source(), HelpBrowser::TopicUrl(QStringLiteral("inputRange.htm")));
    EXPECT_EQ(PageTitle(), QStringLiteral("Valid input ranges"));
    EXPECT_TRUE(viewer.windowTitle().endsWith(PageTitle()));
    EXPECT_TRUE(PageText().contains(QStringLiteral("Wind Velocity\nmph\n0\n25"))) << "the table of ranges";
}

TEST_F(HelpViewerTest, ShowsThePicturesOfAPage)
{
    viewer.show();
    viewer.ShowTopic(ShippedHelpFile(), QStringLiteral("nomograph.htm"));
    ASSERT_TRUE(viewer.browser()->document()->toHtml().contains(QStringLiteral("src=\"images/nomograph.png\"")));

    // Laying out the page loads the picture from the compiled file; the document then holds it decoded.
    viewer.browser()->document()->size();
    const QVariant resource =
        viewer.browser()->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/nomograph.png")));
    QImage picture = resource.value<QImage>();
    if (picture.isNull())
        picture.loadFromData(resource.toByteArray());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(640, 520));
}

TEST_F(HelpViewerTest, ListsTheContentsAndOpensAnEntry)
{
    viewer.ShowTopic(ShippedHelpFile(), QStringLiteral("introduction.htm"));
    QListWidget* contents = viewer.contents();
    ASSERT_GE(contents->count(), 8);
    EXPECT_EQ(contents->item(0)->text(), QStringLiteral("Introduction"));
    const auto entries = contents->findItems(QStringLiteral("Printing"), Qt::MatchExactly);
    ASSERT_EQ(entries.size(), 1);

    contents->setCurrentItem(entries.front());
    emit contents->itemActivated(entries.front());

    EXPECT_EQ(PageTitle(), QStringLiteral("Printing"));
    EXPECT_TRUE(PageText().contains(QStringLiteral("PDF")));
}

TEST_F(HelpViewerTest, SaysWhichFileOrTopicIsMissingAndRecovers)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notHelp = folder.filePath(QStringLiteral("brackmere.chm"));
    QFile file(notHelp);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("This is a text file, not compiled help.\n");
    file.close();
    const QString missing = QStringLiteral("/no/such/folder/brackmere.chm");
    const struct {
        QString file, topic, title, says;
    } cases[] = {
        {missing, "introduction.htm", "Help file not found", QStringLiteral("\"%1\" could not be opened").arg(missing)},
        {notHelp, "introduction.htm", "Help file not found", notHelp},
        {ShippedHelpFile(), "noSuchTopic.htm", "Help topic not found", "\"noSuchTopic.htm\" was not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString() + " " + c.topic.toStdString());
        viewer.ShowTopic(c.file, c.topic);
        EXPECT_EQ(PageTitle(), c.title);
        EXPECT_TRUE(PageText().contains(c.says)) << PageText().toStdString();
        EXPECT_TRUE(PageText().contains(c.file)) << "names the help file";

        viewer.ShowTopic(ShippedHelpFile(), QStringLiteral("introduction.htm"));
        EXPECT_EQ(PageTitle(), QStringLiteral("Brackmere: Introduction")) << "recovers once both are there";
    }
}

TEST(ShowHelpTopic, LooksForTheHelpBesideTheProgram)
{
    EXPECT_EQ(DefaultHelpFilePath(), QCoreApplication::applicationDirPath() + QStringLiteral("/brackmere.chm"));
}

TEST(ShowHelpTopic, ShowsEachTopicInTheOneUnownedHelpWindow)
{
    ShowHelpTopic(QStringLiteral("introduction.htm"), ShippedHelpFile());
    HelpViewer* first = &HelpViewer::Shared();
    ShowHelpTopic(QStringLiteral("inputRange.htm"), ShippedHelpFile());

    int helpWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<HelpViewer*>(window) != nullptr;
    EXPECT_EQ(helpWindows, 1);
    EXPECT_EQ(&HelpViewer::Shared(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_FALSE(first->testAttribute(Qt::WA_QuitOnClose)) << "closing the calculator ends the program";
    EXPECT_EQ(first->browser()->documentTitle(), QStringLiteral("Valid input ranges"));

    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
