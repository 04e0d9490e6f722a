#pragma once

#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

// Texts cross from the core (UTF-8 std::string) to the widgets (QString) and back here,
// unchanged: a byte-order mark a user typed at the start stays a character of the text.
inline QString Q(std::string_view text)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

inline std::string Std(const QString& text)
{
    return text.toStdString();
}
