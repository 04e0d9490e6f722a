#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <optional>

class QIODevice;

// The bytes of a file or a stream as text. Spreadsheets and meters write UTF-8 (with or
// without a byte-order mark), UTF-16 ("Unicode text": little-endian, usually with a mark)
// or the Windows code page 1252; which one is judged from the first 64 KB.
namespace CsvImport {

enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

struct DetectedEncoding {
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    friend bool operator==(const DetectedEncoding&, const DetectedEncoding&) = default;
};

// As the outlook's source line says it: "UTF-16LE with byte-order mark", "Windows-1252".
QString EncodingName(DetectedEncoding detected);

// How bytes that begin with `start` are encoded: a byte-order mark decides; without one,
// mostly zero high (or low) bytes mean UTF-16, and bytes that are not UTF-8 Windows-1252.
DetectedEncoding DetectEncoding(QByteArrayView start);

// Decodes bytes piece by piece; a character split between two pieces is kept whole, and a
// byte-order mark at the start is no part of the text.
class TextDecoder {
public:
    explicit TextDecoder(Encoding encoding);
    QString operator()(QByteArrayView bytes);

private:
    Encoding encoding_;
    QStringDecoder decoder_;
};

// The text of a device, read and decoded 64 KB at a time, at most `byteLimit` bytes of it.
class DecodedStream {
public:
    DecodedStream(QIODevice& device, std::optional<qint64> byteLimit);

    // The encoding, judged from the first piece (read by the first call of `next`).
    DetectedEncoding encoding() const { return detected_; }
    // Appends the next piece of text; false at the end of the input, after the limit, or
    // when it cannot be read. `stopped` says why when the input was not read to its end.
    bool next(QString& text);
    const QString& stopped() const { return stopped_; }

private:
    QByteArray readBytes(qint64 wanted);

    QIODevice& device_;
    std::optional<qint64> byteLimit_;
    qint64 read_ = 0;
    bool started_ = false;
    bool ended_ = false;
    DetectedEncoding detected_;
    std::optional<TextDecoder> decoder_;
    QString stopped_;
};

// "50 MB", "73.4 MB", "812 KB": a size as the messages write it.
QString SizeText(qint64 bytes);

}  // namespace CsvImport
