#pragma once

#include <QLocale>

// The default locale while it lives; the one before comes back however the test ends.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    explicit DefaultLocale(const char* name) : DefaultLocale(QLocale(QString::fromLatin1(name))) {}
    ~DefaultLocale() { QLocale::setDefault(previous_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale previous_;
};
