#pragma once

#include <QString>

#include "records/RecordsStore.h"

// Record number `i` of the writer tagged `tag`: every column is derived from the
// two, so a reader can tell a whole record from a damaged one.
inline NewRecord WriterRecord(const QString& tag, int i)
{
    const QString n = QString::number(i);
    return {tag, n, n + "1", n + "2", n + "3", n + "4", n + "5", n + "6",
            QString(255, QChar(u'a' + i % 26)), QStringLiteral("0.2")};
}
