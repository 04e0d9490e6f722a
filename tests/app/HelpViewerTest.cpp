#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "app/HelpFile.h"
#include "app/HelpViewer.h"
#include "records/RecordsPath.h"
#include "ui/Language.h"

namespace {

const QString ShippedHelpFile = BRACKMERE_SHIPPED_HELP_FILE;

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HelpFile, StandsBesideTheProgramAsCommittedAndHoldsItsSources)
{
    const QByteArray shipped = FileBytes(ShippedHelpFile);
    ASSERT_FALSE(shipped.isEmpty()) << ShippedHelpFile.toStdString();
    EXPECT_EQ(shipped, FileBytes(BRACKMERE_SOURCE_HELP_FILE));
    EXPECT_EQ(DefaultHelpFilePath(), QCoreApplication::applicationDirPath() + "/brackmere.chm");

    const HelpFile help(ShippedHelpFile);
    ASSERT_TRUE(help.isOpen());
    for (const QString name : {"introduction.htm", "inputRange.htm", "images/nomograph.png", "images/scenarios.png"})
        EXPECT_EQ(help.read(name), FileBytes(BRACKMERE_HELP_SOURCES "/" + name)) << name.toStdString();
    EXPECT_FALSE(help.read("noSuchTopic.htm").has_value());
}

// Each language has a help file of its own beside the English one: its index page translated,
// the pages not translated yet in English under a note.
TEST(HelpFile, FollowsTheLanguageWithEnglishPagesUnderANote)
{
    struct Row {
        const char* language;
        const char* title;
        const char* note;
    };
    const Row rows[] = {
        {"es", "Brackmere: Introducción", "Esta página aún no está traducida"},
        {"fr", "Brackmere : Introduction", "Cette page n'est pas encore traduite"},
        {"de", "Brackmere: Einführung", "Diese Seite ist noch nicht übersetzt"},
    };
    struct BackToEnglish {
        ~BackToEnglish() { Language::Apply("en"); }
    } backToEnglish;
    // The files as the build places them beside the program.
    const RecordsPath::ScopedProgramFolder programFolder(QFileInfo(ShippedHelpFile).path());
    for (const Row& row : rows) {
        Language::Apply(QString::fromLatin1(row.language));
        const QString path = DefaultHelpFilePath();
        EXPECT_TRUE(path.endsWith(QStringLiteral("/brackmere_%1.chm").arg(row.language))) << path.toStdString();
        const HelpFile help(path);
        ASSERT_TRUE(help.isOpen()) << path.toStdString();
        EXPECT_TRUE(QString::fromUtf8(help.read("introduction.htm").value_or("")).contains(QString::fromUtf8(row.title)))
            << row.language;
        const QString units = QString::fromUtf8(help.read("units.htm").value_or(""));
        EXPECT_TRUE(units.contains(QString::fromUtf8(row.note))) << row.language;
        EXPECT_TRUE(units.contains("US customary")) << row.language;
    }
    Language::Apply("en");
    EXPECT_EQ(DefaultHelpFilePath(), ShippedHelpFile);
}

class HelpViewerTest : public ::testing::Test {
protected:
    QString PageText() const { return viewer.browser()->toPlainText(); }
    QString PageTitle() const { return viewer.browser()->documentTitle(); }

    HelpViewer viewer;
};

TEST_F(HelpViewerTest, OpensATopicAndFollowsALinkClickedInIt)
{
    viewer.show();
    viewer.ShowTopic(ShippedHelpFile, "introduction.htm");
    EXPECT_TRUE(PageText().contains("concrete surface temperature (°F)")) << "read as UTF-8";
    QTextCursor link;
    QTextDocument* page = viewer.browser()->document();
    for (QTextBlock block = page->begin(); block.isValid() && link.isNull(); block = block.next())
        for (auto it = block.begin(); !it.atEnd() && link.isNull(); ++it)
            if (it.fragment().charFormat().anchorHref() == "inputRange.htm") {
                link = QTextCursor(page);
                link.setPosition(it.fragment().position() + it.fragment().length() / 2);
            }
    ASSERT_FALSE(link.isNull()) << "no link to inputRange.htm";
    viewer.browser()->setTextCursor(link);
    viewer.browser()->ensureCursorVisible();
    QTest::mouseClick(viewer.browser()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      viewer.browser()->cursorRect(link).center());

    EXPECT_EQ(viewer.browser()->source(), HelpBrowser::TopicUrl("inputRange.htm"));
    EXPECT_EQ(PageTitle(), "Valid input ranges");
    EXPECT_TRUE(viewer.windowTitle().endsWith(PageTitle()));
    EXPECT_TRUE(PageText().contains("Wind Velocity\nmph\n0\n25")) << "the table of ranges";
}

TEST_F(HelpViewerTest, ShowsThePicturesOfAPage)
{
    viewer.show();
    viewer.ShowTopic(ShippedHelpFile, "nomograph.htm");
    QTextDocument* page = viewer.browser()->document();
    ASSERT_TRUE(page->toHtml().contains("src=\"images/nomograph.png\""));
    page->size();  // laying out the page loads the picture from the compiled file
    const QVariant resource = page->resource(QTextDocument::ImageResource, QUrl("images/nomograph.png"));
    QImage picture = resource.value<QImage>();
    if (picture.isNull())
        picture.loadFromData(resource.toByteArray());
    EXPECT_EQ(picture.size(), QSize(640, 520));
}

// A picture wider than the pane is drawn at the pane's width and comes back to its own size
// when the pane is wide enough again.
TEST_F(HelpViewerTest, PicturesFitThePane)
{
    viewer.show();
    viewer.ShowTopic(ShippedHelpFile, "nomograph.htm");
    const auto pictureWidth = [this] {
        for (QTextBlock block = viewer.browser()->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat())
                    return it.fragment().charFormat().toImageFormat().width();
        return 0.0;
    };
    for (const int windowWidth : {520, 1200}) {
        viewer.resize(windowWidth, 600);
        QCoreApplication::processEvents();
        const int pane = viewer.browser()->viewport()->width();
        SCOPED_TRACE(pane);
        EXPECT_LE(pictureWidth(), pane);
        EXPECT_GT(pictureWidth(), pane / 2);
        EXPECT_EQ(pictureWidth() == 640, pane > 700);
    }
}

// Esc and Ctrl+W close the help window, as they close other windows that only show.
TEST_F(HelpViewerTest, ClosesWithEscapeAndControlW)
{
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
        viewer.show();
        viewer.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
        QTest::keyClick(viewer.browser(), key.key(), key.keyboardModifiers());
        EXPECT_FALSE(viewer.isVisible()) << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(HelpViewerTest, ListsTheContentsAndOpensAnEntry)
{
    viewer.ShowTopic(ShippedHelpFile, "introduction.htm");
    QListWidget* contents = viewer.contents();
    ASSERT_GE(contents->count(), 8);
    EXPECT_EQ(contents->item(0)->text(), "Introduction");
    const auto entries = contents->findItems("Printing", Qt::MatchExactly);
    ASSERT_EQ(entries.size(), 1);
    contents->setCurrentItem(entries.front());
    emit contents->itemActivated(entries.front());
    EXPECT_EQ(PageTitle(), "Printing");
    EXPECT_TRUE(PageText().contains("PDF"));
}

TEST_F(HelpViewerTest, SaysWhichFileOrTopicIsMissingAndRecovers)
{
    QTemporaryDir folder;
    const QString notHelp = folder.filePath("brackmere.chm");
    QFile file(notHelp);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("This is a text file, not compiled help.\n");
    file.close();
    const QString missing = "/no/such/folder/brackmere.chm";
    const struct { QString file, topic, title, says; } cases[] = {
        {missing, "introduction.htm", "Help file not found", "\"" + missing + "\" could not be opened"},
        {notHelp, "introduction.htm", "Help file not found", notHelp},
        {ShippedHelpFile, "noSuchTopic.htm", "Help topic not found", "\"noSuchTopic.htm\" was not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString() + " " + c.topic.toStdString());
        viewer.ShowTopic(c.file, c.topic);
        EXPECT_EQ(PageTitle(), c.title);
        EXPECT_TRUE(PageText().contains(c.says)) << PageText().toStdString();
        EXPECT_TRUE(PageText().contains(c.file)) << "names the help file";
        viewer.ShowTopic(ShippedHelpFile, "introduction.htm");
        EXPECT_EQ(PageTitle(), "Brackmere: Introduction") << "recovers once both are there";
    }
}

TEST(ShowHelpTopic, ShowsEachTopicInTheOneUnownedHelpWindow)
{
    ShowHelpTopic("introduction.htm", ShippedHelpFile);
    HelpViewer* first = &HelpViewer::Shared();
    ShowHelpTopic("inputRange.htm", ShippedHelpFile);

    int helpWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<HelpViewer*>(window) != nullptr;
    EXPECT_EQ(helpWindows, 1);
    EXPECT_EQ(&HelpViewer::Shared(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_FALSE(first->testAttribute(Qt::WA_QuitOnClose)) << "closing the calculator ends the program";
    EXPECT_EQ(first->browser()->documentTitle(), "Valid input ranges");
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
