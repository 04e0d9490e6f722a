#include "app/HelpViewer.h"

#include "records/RecordsPath.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "app/AppResources.h"
#include "app/HelpFile.h"
#include "ui/Language.h"

namespace {

constexpr const char* IntroductionTopic = "introduction.htm";
constexpr const char* ContentsObject = "brackmere.hhc";

QByteArray MessagePage(const QString& heading, const QString& text)
{
    return QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p></body></html>")
        .arg(heading.toHtmlEscaped(), text)
        .toUtf8();
}

QByteArray HelpFileMissingPage(const QString& helpFilePath)
{
    return MessagePage(
        QCoreApplication::translate("HelpViewer", "Help file not found"),
        QCoreApplication::translate("HelpViewer",
                                    "The help file \"%1\" could not be opened: it is missing, unreadable or not a "
                                    "compiled help file. Brackmere expects its help as brackmere.chm in the "
                                    "program's folder; installing the program again restores it.")
            .arg(helpFilePath.toHtmlEscaped()));
}

QByteArray TopicMissingPage(const QString& topic, const QString& helpFilePath)
{
    return MessagePage(
        QCoreApplication::translate("HelpViewer", "Help topic not found"),
        QCoreApplication::translate("HelpViewer",
                                    "The topic \"%1\" was not found in the help file \"%2\". "
                                    "<a href=\"%3\">Show the introduction</a>.")
            .arg(topic.toHtmlEscaped(), helpFilePath.toHtmlEscaped(), QString::fromLatin1(IntroductionTopic)));
}

}  // namespace

QString DefaultHelpFilePath()
{
    // The help of the language in force where it was compiled for it, beside the English file.
    const QString english = RecordsPath::HelpFile();
    const QString language = Language::Current();
    if (language == QLatin1String("en"))
        return english;
    const QString translated = QFileInfo(english).dir().filePath(QStringLiteral("brackmere_%1.chm").arg(language));
    return QFileInfo::exists(translated) ? translated : english;
}

void ShowHelpTopic(const QString& topic)
{
    ShowHelpTopic(topic, DefaultHelpFilePath());
}

void ShowHelpTopic(const QString& topic, const QString& helpFilePath)
{
    HelpViewer& viewer = HelpViewer::Shared();
    viewer.ShowTopic(helpFilePath, topic);
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("helpBrowser"));
    // Links between topics open here; anything else belongs to the system's own programs.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (link.scheme() == QLatin1String(Scheme))
            setSource(link, QTextDocument::HtmlResource);
        else
            QDesktopServices::openUrl(link);
    });
}

QUrl HelpBrowser::TopicUrl(const QString& topic)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(Scheme));
    url.setPath(QLatin1Char('/') + topic);
    return url;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != QLatin1String(Scheme))
        return QTextBrowser::loadResource(type, name);

    const QString objectPath = url.path();
    if (helpFile_) {
        if (const auto bytes = helpFile_->read(objectPath); bytes && !bytes->isEmpty())
            return *bytes;
    }
    if (type != QTextDocument::HtmlResource)
        return {};
    const QString helpFilePath = helpFile_ ? helpFile_->path() : QString();
    if (!helpFile_ || !helpFile_->isOpen())
        return HelpFileMissingPage(helpFilePath);
    return TopicMissingPage(objectPath.mid(1), helpFilePath);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    QTextBrowser::doSetSource(name, type);
    FitPictures();
}

void HelpBrowser::resizeEvent(QResizeEvent* event)
{
    QTextBrowser::resizeEvent(event);
    FitPictures();
}

// A picture wider than the pane is shown scaled down to the pane's width, in proportion;
// one that fits is shown at its own size.
void HelpBrowser::FitPictures()
{
    constexpr int PageMargins = 24;  // the page's own margins and a scroll bar's slack
    QTextDocument* page = document();
    const double room = viewport()->width() - 2 * page->documentMargin() - PageMargins;
    struct Change {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Change> changes;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            if (!picture.isValid())
                continue;
            const QVariant resource = page->resource(QTextDocument::ImageResource, QUrl(picture.name()));
            QImage image = resource.value<QImage>();
            if (image.isNull())
                image.loadFromData(resource.toByteArray());
            if (image.isNull())
                continue;
            const double width = std::min<double>(image.width(), std::max(room, 1.0));
            if (picture.width() == width)
                continue;
            picture.setWidth(width);
            picture.setHeight(image.height() * width / image.width());
            changes.push_back({fragment.position(), fragment.length(), picture});
        }
    }
    for (const Change& change : changes) {
        QTextCursor cursor(page);
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

HelpViewer::HelpViewer() : browser_(new HelpBrowser), contents_(new QListWidget)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowIcon(AppResources::ProgramIcon());
    contents_->setObjectName(QStringLiteral("helpContents"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 740});
    setCentralWidget(splitter);

    auto* toolBar = addToolBar(tr("Navigation"));
    toolBar->setMovable(false);
    QAction* back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    back->setShortcut(QKeySequence::Back);
    QAction* forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    forward->setShortcut(QKeySequence::Forward);
    QAction* home = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"));
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this,
            [this] { browser_->setSource(HelpBrowser::TopicUrl(QString::fromLatin1(IntroductionTopic))); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* closing = new QAction(tr("Close"), this);
    closing->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);

    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::UpdateTitle);
    connect(contents_, &QListWidget::itemClicked, this, &HelpViewer::ShowContentsEntry);
    connect(contents_, &QListWidget::itemActivated, this, &HelpViewer::ShowContentsEntry);
    resize(980, 700);
}

HelpViewer::~HelpViewer()
{
    // The browser reads from the help file until it is gone.
    browser_->setHelpFile(nullptr);
}

HelpViewer& HelpViewer::Shared()
{
    static QPointer<HelpViewer> viewer;
    if (!viewer) {
        viewer = new HelpViewer;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setAttribute(Qt::WA_QuitOnClose, false);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, &QObject::deleteLater);
    }
    return *viewer;
}

void HelpViewer::ShowTopic(const QString& helpFilePath, const QString& topic)
{
    if (!helpFile_ || helpFile_->path() != helpFilePath || !helpFile_->isOpen())
        OpenHelpFile(helpFilePath);
    const QUrl url = HelpBrowser::TopicUrl(topic);
    if (browser_->source() == url)
        browser_->reload();
    else
        browser_->setSource(url, QTextDocument::HtmlResource);
}

void HelpViewer::OpenHelpFile(const QString& helpFilePath)
{
    browser_->setHelpFile(nullptr);
    helpFile_ = std::make_unique<HelpFile>(helpFilePath);
    browser_->setHelpFile(helpFile_.get());
    browser_->clearHistory();
    FillContents();
}

void HelpViewer::FillContents()
{
    contents_->clear();
    const auto hhc = helpFile_->read(QString::fromLatin1(ContentsObject));
    if (hhc) {
        static const QRegularExpression entry(
            QStringLiteral("<param\\s+name=\"Name\"\\s+value=\"([^\"]*)\"\\s*>\\s*"
                           "<param\\s+name=\"Local\"\\s+value=\"([^\"]*)\"\\s*>"),
            QRegularExpression::CaseInsensitiveOption);
        for (auto match = entry.globalMatch(QString::fromUtf8(*hhc)); match.hasNext();) {
            const QRegularExpressionMatch found = match.next();
            auto* item = new QListWidgetItem(found.captured(1), contents_);
            item->setData(Qt::UserRole, found.captured(2));
        }
    }
    contents_->setVisible(contents_->count() > 0);
}

void HelpViewer::ShowContentsEntry()
{
    if (const QListWidgetItem* item = contents_->currentItem())
        browser_->setSource(HelpBrowser::TopicUrl(item->data(Qt::UserRole).toString()));
}

void HelpViewer::UpdateTitle()
{
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() ? tr("Brackmere Help") : tr("Brackmere Help - %1").arg(page));
}
