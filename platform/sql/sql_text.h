#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Pieces of SQL text built from values. Every typed text reaches a
// statement through quote(); numbers and dates through the formatters.
namespace pf::sql {

// 'text' with apostrophes doubled: O'Brien becomes 'O''Brien'.
QString quote(const QString& text);

// Decimal text of a whole number.
QString number(qint64 value);

// Decimal text of a number with a point and no exponent, e.g. "1.5", "-0.25".
QString number(double value);

// Day-first date text for to_date(..., 'DD.MM.YYYY'): "01.06.2024".
QString dateText(const QDate& date);

// Day-first text for to_date(..., 'DD.MM.YYYY HH24:MI:SS').
QString dateTimeText(const QDateTime& moment);

}   // namespace pf::sql
