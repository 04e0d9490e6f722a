#pragma once

#include <QMainWindow>
#include <QTextBrowser>
#include <memory>

class HelpFile;
class QListWidget;

// Opens the program's help file at the named topic ("introduction.htm",
// "inputRange.htm") in the one help window of the run, which stays open beside
// the calculator and is raised by each further request.
void ShowHelpTopic(const QString& topic);
// The same with another help file, for tests and tools.
void ShowHelpTopic(const QString& topic, const QString& helpFilePath);

// The help file the program ships with: brackmere.chm in the program's folder.
QString DefaultHelpFilePath();

// Shows pages of a help file, with their links, pictures and style sheet, read
// straight out of the compiled file. A page the file lacks is replaced by a
// page that says which topic was not found.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr const char* Scheme = "chm";

    explicit HelpBrowser(QWidget* parent = nullptr);

    void setHelpFile(const HelpFile* helpFile) { helpFile_ = helpFile; }
    static QUrl TopicUrl(const QString& topic);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitPictures();

    const HelpFile* helpFile_ = nullptr;
};

// The help window: contents list, page, and Back, Forward and Contents buttons. Esc and
// Ctrl+W close it.
class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    HelpViewer();
    ~HelpViewer() override;

    // The one help window of the run, made on first use. It deletes itself when the
    // user closes it and does not keep the program running after the main window.
    static HelpViewer& Shared();

    // Opens helpFilePath (again only if it differs from the open one) and shows the topic,
    // or a page that names the file or topic that could not be found.
    void ShowTopic(const QString& helpFilePath, const QString& topic);

    HelpBrowser* browser() const { return browser_; }
    QListWidget* contents() const { return contents_; }

private:
    void OpenHelpFile(const QString& helpFilePath);
    void FillContents();
    void ShowContentsEntry();
    void UpdateTitle();

    std::unique_ptr<HelpFile> helpFile_;
    HelpBrowser* browser_;
    QListWidget* contents_;
};
