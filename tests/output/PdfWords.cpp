#include "tests/output/PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString Unescaped(QString text)
{
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
}

}  // namespace

std::vector<PdfWord> ReadPdfWords(const QString& path)
{
    const QString html = RunTool("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& match : word.globalMatch(html)) {
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        words.push_back({Unescaped(match.captured(5)), QRectF(topLeft, bottomRight)});
    }
    return words;
}

QSizeF ReadPdfPageSize(const QString& path)
{
    const QString info = RunTool("pdfinfo", {path});
    static const QRegularExpression pageSize(R"re(Page size:\s+([\d.]+) x ([\d.]+) pts)re");
    const QRegularExpressionMatch match = pageSize.match(info);
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}
