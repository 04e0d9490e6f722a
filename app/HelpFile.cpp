#include "app/HelpFile.h"

#include <QDir>
#include <QFile>
#include <chm_lib.h>

void HelpFile::Closer::operator()(chmFile* file) const
{
    chm_close(file);
}

HelpFile::HelpFile(const QString& path) : path_(path), file_(chm_open(QFile::encodeName(path).constData()))
{
}

std::optional<QByteArray> HelpFile::read(const QString& name) const
{
    if (!file_)
        return std::nullopt;
    // Objects are stored under absolute paths; a page's own links are relative.
    const QString objectPath = QDir::cleanPath(QLatin1Char('/') + name);
    chmUnitInfo unit{};
    if (chm_resolve_object(file_.get(), objectPath.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;

    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 received = chm_retrieve_object(file_.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()),
                                                   0, static_cast<LONGINT64>(unit.length));
    if (received != static_cast<LONGINT64>(unit.length))
        return std::nullopt;
    return bytes;
}
