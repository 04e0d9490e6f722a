#include "outlook/sources/TextDecoding.h"

#include <QIODevice>
#include <array>

namespace CsvImport {
namespace {

constexpr qint64 kPiece = 64 * 1024;

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five bytes it leaves
// undefined keep their Latin-1 (control) characters.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QStringConverter::Encoding ConverterOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf16LE: return QStringConverter::Utf16LE;
    case Encoding::Utf16BE: return QStringConverter::Utf16BE;
    default: break;
    }
    return QStringConverter::Utf8;
}

// UTF-16 of mostly ASCII text has a zero in one byte of most pairs and never in the other.
std::optional<Encoding> Utf16WithoutMark(QByteArrayView bytes)
{
    qsizetype lowOnly = 0;   // pairs whose second byte is zero: little-endian
    qsizetype highOnly = 0;  // pairs whose first byte is zero: big-endian
    const qsizetype pairs = bytes.size() / 2;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const bool first = bytes[i] != 0;
        const bool second = bytes[i + 1] != 0;
        lowOnly += first && !second;
        highOnly += !first && second;
    }
    if (lowOnly * 3 > pairs && highOnly == 0)
        return Encoding::Utf16LE;
    if (highOnly * 3 > pairs && lowOnly == 0)
        return Encoding::Utf16BE;
    return std::nullopt;
}

}  // namespace

QString EncodingName(DetectedEncoding detected)
{
    QString name;
    switch (detected.encoding) {
    case Encoding::Utf8: name = QStringLiteral("UTF-8"); break;
    case Encoding::Utf16LE: name = QStringLiteral("UTF-16LE"); break;
    case Encoding::Utf16BE: name = QStringLiteral("UTF-16BE"); break;
    case Encoding::Windows1252: name = QStringLiteral("Windows-1252"); break;
    }
    return detected.byteOrderMark ? name + QStringLiteral(" with byte-order mark") : name;
}

DetectedEncoding DetectEncoding(QByteArrayView start)
{
    start = start.first(std::min<qsizetype>(start.size(), kPiece));
    if (start.startsWith("\xEF\xBB\xBF"))
        return {Encoding::Utf8, true};
    if (start.startsWith("\xFF\xFE"))
        return {Encoding::Utf16LE, true};
    if (start.startsWith("\xFE\xFF"))
        return {Encoding::Utf16BE, true};
    if (const std::optional<Encoding> utf16 = Utf16WithoutMark(start))
        return {*utf16, false};
    // A character cut off at the end of the piece is no error: the decoder waits for the rest.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString decoded = utf8(start);
    Q_UNUSED(decoded)
    return {utf8.hasError() ? Encoding::Windows1252 : Encoding::Utf8, false};
}

TextDecoder::TextDecoder(Encoding encoding) : encoding_(encoding), decoder_(ConverterOf(encoding)) {}

QString TextDecoder::operator()(QByteArrayView bytes)
{
    if (encoding_ != Encoding::Windows1252)
        return decoder_(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = code >= 0x80 && code < 0xA0 ? kHighControls[code - 0x80] : char16_t(code);
    }
    return text;
}

DecodedStream::DecodedStream(QIODevice& device, std::optional<qint64> byteLimit)
    : device_(device), byteLimit_(byteLimit)
{
}

// Reads until `wanted` bytes or the end: a pipe gives what it has at each read.
QByteArray DecodedStream::readBytes(qint64 wanted)
{
    QByteArray bytes(wanted, Qt::Uninitialized);
    qint64 got = 0;
    while (got < wanted) {
        const qint64 n = device_.read(bytes.data() + got, wanted - got);
        if (n < 0) {
            stopped_ = QStringLiteral("Reading failed after %1: %2").arg(SizeText(read_ + got), device_.errorString());
            break;
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    read_ += got;
    return bytes;
}

bool DecodedStream::next(QString& text)
{
    if (!stopped_.isEmpty() || ended_)
        return false;
    const QByteArray bytes = readBytes(byteLimit_ ? std::min(kPiece, *byteLimit_ - read_) : kPiece);
    if (!stopped_.isEmpty())
        return false;
    // At the limit, one byte more tells a stream that goes on from one that ends there.
    if (byteLimit_ && read_ == *byteLimit_) {
        char more = 0;
        if (device_.read(&more, 1) == 1)
            stopped_ = QStringLiteral("The input goes on past %1; it was read no further.").arg(SizeText(*byteLimit_));
        ended_ = true;
    }
    if (!started_) {
        started_ = true;
        detected_ = DetectEncoding(bytes);
        decoder_.emplace(detected_.encoding);
    }
    if (bytes.isEmpty())
        return false;
    text += (*decoder_)(bytes);
    return true;
}

QString SizeText(qint64 bytes)
{
    constexpr double kMB = 1024.0 * 1024.0;
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
    const double megabytes = bytes / kMB;
    return bytes % (1024 * 1024) == 0 ? QStringLiteral("%1 MB").arg(bytes / (1024 * 1024))
                                      : QStringLiteral("%1 MB").arg(megabytes, 0, 'f', 1);
}

}  // namespace CsvImport
