#include "outlook/sources/DateTimeScanner.h"

namespace CsvImport {
namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Walks a date or time text.
class TimeScanner {
public:
    explicit TimeScanner(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    QChar peek() const { return atEnd() ? QChar() : text_[pos_]; }

    // A number of minDigits to maxDigits digits; -1, reading nothing, when there is none.
    int number(int minDigits, int maxDigits, int* digitCount = nullptr)
    {
        int value = 0;
        int digits = 0;
        while (digits < maxDigits && pos_ + digits < text_.size() && IsDigit(text_[pos_ + digits])) {
            value = value * 10 + (text_[pos_ + digits].unicode() - u'0');
            ++digits;
        }
        if (digits < minDigits)
            return -1;
        pos_ += digits;
        if (digitCount)
            *digitCount = digits;
        return value;
    }

    // Whether `mark` (any case) came next; it is then read.
    bool skip(QStringView mark)
    {
        if (!text_.mid(pos_).startsWith(mark, Qt::CaseInsensitive))
            return false;
        pos_ += mark.size();
        return true;
    }

    bool skipBlanks()
    {
        const qsizetype start = pos_;
        while (!atEnd() && text_[pos_].isSpace())
            ++pos_;
        return pos_ > start;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

QDate ScanDate(TimeScanner& scan)
{
    int firstDigits = 0;
    const int first = scan.number(1, 4, &firstDigits);
    const QChar mark = scan.peek();
    if (first < 0 || (mark != u'-' && mark != u'/' && mark != u'.'))
        return {};
    scan.skip(QStringView(&mark, 1));
    const int second = scan.number(1, 2);
    if (second < 0 || !scan.skip(QStringView(&mark, 1)))
        return {};
    if (firstDigits == 4 && mark != u'.') {
        const int day = scan.number(1, 2);
        return day < 0 ? QDate() : QDate(first, second, day);
    }
    const int year = scan.number(4, 4);
    if (year < 0 || mark == u'-')
        return {};
    return mark == u'/' ? QDate(year, first, second) : QDate(year, second, first);
}

bool SkipOffset(TimeScanner& scan)
{
    if (scan.skip(u"z"))
        return true;
    if (!scan.skip(u"+") && !scan.skip(u"-"))
        return true;
    if (scan.number(2, 2) < 0)
        return false;
    scan.skip(u":");
    scan.number(2, 2);  // the minutes, where written
    return true;
}

QTime ScanClock(TimeScanner& scan)
{
    int hour = scan.number(1, 2);
    if (hour < 0 || !scan.skip(u":"))
        return {};
    const int minute = scan.number(2, 2);
    int second = 0;
    if (scan.skip(u":")) {
        second = scan.number(2, 2);
        if (scan.skip(u".") || scan.skip(u","))
            scan.number(1, 9);
    }
    if (minute < 0 || second < 0)
        return {};
    scan.skipBlanks();
    const bool pm = scan.skip(u"pm");
    if (pm || scan.skip(u"am")) {
        if (hour < 1 || hour > 12)
            return {};
        hour = hour % 12 + (pm ? 12 : 0);
    } else if (!SkipOffset(scan)) {
        return {};
    }
    return QTime(hour, minute, second);
}

}  // namespace

WallClock ReadDateTime(QStringView text)
{
    TimeScanner scan(text);
    const QDate date = ScanDate(scan);
    if (!date.isValid())
        return {};
    if (scan.atEnd())
        return {date, QTime(0, 0)};
    if (!scan.skip(u"t") && !scan.skipBlanks())
        return {};
    const QTime time = ScanClock(scan);
    return scan.atEnd() ? WallClock{date, time} : WallClock{};
}

QDate ReadDate(QStringView text)
{
    TimeScanner scan(text);
    const QDate date = ScanDate(scan);
    return scan.atEnd() ? date : QDate();
}

QTime ReadClock(QStringView text)
{
    TimeScanner scan(text);
    const QTime time = ScanClock(scan);
    return scan.atEnd() ? time : QTime();
}

}  // namespace CsvImport
