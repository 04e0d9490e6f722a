#include <gtest/gtest.h>

#include <ostream>

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

// The first place in the page where a link or picture with this target stands.
std::optional<QTextCursor> FindInPage(QTextDocument* document, const QString& target, bool image)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString found = image ? (format.isImageFormat() ? format.toImageFormat().name() : QString())
                                        : format.anchorHref();
            if (found == target) {
                QTextCursor cursor(document);
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                return cursor;
            }
        }
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

struct TopicCase {
    const char* topic;
    const char* title;
    const char* sample;
};

void PrintTo(const TopicCase& row, std::ostream* out)
{
    *out << row.topic;
}

class HelpViewerOpens : public HelpViewerTest, public ::testing::WithParamInterface<TopicCase> {};

TEST_P(HelpViewerOpens, TheTopicFromTheCompiledFile)
{
    viewer.ShowTopic(ShippedHelpFile(), QString::fromLatin1(GetParam().topic));

    EXPECT_EQ(PageTitle(), QString::fromLatin1(GetParam().title));
    EXPECT_TRUE(PageText().contains(QString::fromUtf8(GetParam().sample))) << PageText().toStdString();
    EXPECT_TRUE(viewer.windowTitle().endsWith(QString::fromLatin1(GetParam().title)));
}

INSTANTIATE_TEST_SUITE_P(
    Topics, HelpViewerOpens,
    ::testing::Values(TopicCase{"introduction.htm", "Brackmere: Introduction", "concrete surface temperature (°F)"},
                      TopicCase{"inputRange.htm", "Valid input ranges", "Wind Velocity\nmph\n0\n25"}),
    [](const ::testing::TestParamInfo<TopicCase>& info) {
        return std::string(info.param.topic).substr(0, std::string(info.param.topic).find('.'));
    });

TEST_F(HelpViewerTest, FollowsALinkClickedInThePage)
{
    viewer.show();
    viewer.ShowTopic(ShippedHelpFile(), QStringLiteral("introduction.htm"));
    const auto link = FindInPage(viewer.browser()->document(), QStringLiteral("inputRange.htm"), false);
    ASSERT_TRUE(link.has_value());
    viewer.browser()->setTextCursor(*link);
    viewer.browser()->ensureCursorVisible();
    const QPoint where = viewer.browser()->cursorRect(*link).center();

    QTest::mouseClick(viewer.browser()->viewport(), Qt::LeftButton, Qt::NoModifier, where);

    EXPECT_EQ(viewer.browser()->source(), HelpBrowser::TopicUrl(QStringLiteral("inputRange.htm")));
    EXPECT_EQ(PageTitle(), QStringLiteral("Valid input ranges"));
}

TEST_F(HelpViewerTest, ShowsThePicturesOfAPage)
{
    viewer.show();
    viewer.ShowTopic(ShippedHelpFile(), QStringLiteral("nomograph.htm"));
    ASSERT_TRUE(FindInPage(viewer.browser()->document(), QStringLiteral("images/nomograph.png"), true).has_value());

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

TEST_F(HelpViewerTest, SaysWhichHelpFileIsMissing)
{
    const QString missing = QStringLiteral("/no/such/folder/brackmere.chm");

    viewer.ShowTopic(missing, QStringLiteral("introduction.htm"));

    EXPECT_EQ(PageTitle(), QStringLiteral("Help file not found"));
    EXPECT_TRUE(PageText().contains(QStringLiteral("\"%1\" could not be opened").arg(missing)));

    viewer.ShowTopic(ShippedHelpFile(), QStringLiteral("introduction.htm"));
    EXPECT_EQ(PageTitle(), QStringLiteral("Brackmere: Introduction")) << "recovers once the file is there";
}

TEST_F(HelpViewerTest, SaysWhenTheHelpFileIsNotACompiledHelpFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notHelp = folder.filePath(QStringLiteral("brackmere.chm"));
    QFile file(notHelp);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("This is a text file, not compiled help.\n");
    file.close();

    viewer.ShowTopic(notHelp, QStringLiteral("introduction.htm"));

    EXPECT_EQ(PageTitle(), QStringLiteral("Help file not found"));
    EXPECT_TRUE(PageText().contains(notHelp));
}

TEST_F(HelpViewerTest, SaysWhichTopicIsMissing)
{
    viewer.ShowTopic(ShippedHelpFile(), QStringLiteral("noSuchTopic.htm"));

    EXPECT_EQ(PageTitle(), QStringLiteral("Help topic not found"));
    EXPECT_TRUE(PageText().contains(QStringLiteral("\"noSuchTopic.htm\" was not found")));
    EXPECT_TRUE(PageText().contains(ShippedHelpFile()));
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
