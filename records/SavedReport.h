#pragma once

#include <QCryptographicHash>
#include <QString>

// A pour report kept beside the records: the text its printed copies were made from, and
// that text's digest, which each copy prints, so that a copy can be checked against it.
struct SavedReport {
    qint64 id = 0;
    QString savedAt{};  // when, in UTC, ISO 8601
    QString savedBy{};
    QString site{};
    QString title{};
    QString digest{};
    QString content{};
};

// The SHA-256 digest of a report's text (its UTF-8 bytes), in lower-case hexadecimal.
inline QString ReportDigest(const QString& content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content.toUtf8(), QCryptographicHash::Sha256).toHex());
}
