#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <ostream>
#include <vector>

// A word of a PDF page as poppler reads it back, its box in points from the page's top-left.
struct PdfWord {
    QString text;
    QRectF box;
};

// The words of the first page of a PDF file, in reading order (empty when unreadable).
std::vector<PdfWord> ReadPdfWords(const QString& path);

// The size of the first page in points.
QSizeF ReadPdfPageSize(const QString& path);

// Lets test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
