#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

struct chmFile;

// Read access to the pages and pictures inside a compiled HTML help file.
class HelpFile {
public:
    explicit HelpFile(const QString& path);

    // False when the file is missing, unreadable or not a compiled help file.
    bool isOpen() const { return file_ != nullptr; }
    const QString& path() const { return path_; }

    // The stored bytes of the named object ("inputRange.htm", "/images/a.png"), if the file holds it.
    std::optional<QByteArray> read(const QString& name) const;

private:
    struct Closer {
        void operator()(chmFile* file) const;
    };

    QString path_;
    std::unique_ptr<chmFile, Closer> file_;
};
