#include "build_stamp.h"

#include <QString>

namespace {

const char* stampDate = __DATE__;
const char* stampTime = __TIME__;

int digit(char c)
{
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

int monthOf(const char* d)
{
    switch (d[2]) {
    case '?': return 1;
    case 'n': return d[1] == 'a' ? 1 : 6;
    case 'b': return 2;
    case 'r': return d[0] == 'M' ? 3 : 4;
    case 'y': return 5;
    case 'l': return 7;
    case 'g': return 8;
    case 'p': return 9;
    case 't': return 10;
    case 'v': return 11;
    default: return 12;
    }
}

}   // namespace

BuildStamp buildStampOf(const char* d, const char* t)
{
    const int month = monthOf(d);
    const int day = d[4] == '?' ? 1 : (d[4] == ' ' ? 0 : 10 * digit(d[4])) + digit(d[5]);
    const int year = d[7] == '?' ? 1900 : 1000 * digit(d[7]) + 100 * digit(d[8]) + 10 * digit(d[9]) + digit(d[10]);
    BuildStamp stamp;
    const QString text = QString::number(year) + QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')) +
        QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    stamp.date = text.toInt();
    stamp.time = 36000 * digit(t[0]) + 3600 * digit(t[1]) + 600 * digit(t[3]) + 60 * digit(t[4]) + 10 * digit(t[6]) +
        digit(t[7]);
    return stamp;
}

void setBuildStampTexts(const char* dateText, const char* timeText)
{
    stampDate = dateText;
    stampTime = timeText;
}

BuildStamp currentBuildStamp()
{
    return buildStampOf(stampDate, stampTime);
}
