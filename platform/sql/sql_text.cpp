#include "sql_text.h"

#include <cmath>

namespace pf::sql {

QString quote(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('\'');
    for (const QChar c : text) {
        if (c == QLatin1Char('\''))
            out += QLatin1Char('\'');
        if (c == QChar(0))
            continue;   // the server refuses NUL in text
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString number(qint64 value)
{
    return QString::number(value);
}

QString number(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    QString text = QString::number(value, 'f', 10);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString dateTimeText(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

}   // namespace pf::sql
