#include "params.h"

#include "connection.h"
#include "db_error.h"
#include "sql_error.h"

#include <QSqlError>
#include <QSqlQuery>

namespace pf {

void Param::setValue(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QDateTime: setDateTime(v.toDateTime()); break;
    case QMetaType::QDate: setDate(v.toDate()); break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short: setInteger(v.toLongLong()); break;
    case QMetaType::Double: setFloat(v.toDouble()); break;
    default:
        if (v.isNull())
            value_ = QVariant();
        else
            setText(v.toString());
    }
}

QString Statement::positional(const QString& text, QStringList* names)
{
    QString out;
    out.reserve(text.size());
    const int n = text.size();
    int i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int end = text.indexOf(c, i + 1);
            const int stop = end < 0 ? n : end + 1;
            out += QStringView(text).mid(i, stop - i);
            i = stop;
        } else if (c == QLatin1Char('-') && i + 1 < n && text[i + 1] == QLatin1Char('-')) {
            const int end = text.indexOf(QLatin1Char('\n'), i);
            const int stop = end < 0 ? n : end;
            out += QStringView(text).mid(i, stop - i);
            i = stop;
        } else if (c == QLatin1Char(':') && i + 1 < n && text[i + 1] == QLatin1Char(':')) {
            out += QStringLiteral("::");
            i += 2;
        } else if (c == QLatin1Char(':') && i + 1 < n && (text[i + 1].isLetter() || text[i + 1] == QLatin1Char('_'))) {
            int j = i + 1;
            while (j < n && (text[j].isLetterOrNumber() || text[j] == QLatin1Char('_')))
                ++j;
            if (names)
                names->append(text.mid(i + 1, j - i - 1));
            out += QLatin1Char('?');
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

void Statement::setText(const QString& text)
{
    if (text == text_ && !positional_.isNull())
        return;
    text_ = text;
    order_.clear();
    positional_ = positional(text_, &order_);
    QVector<Param> next;
    for (const QString& name : std::as_const(order_)) {
        bool seen = false;
        for (const Param& p : std::as_const(next))
            seen = seen || p.name().compare(name, Qt::CaseInsensitive) == 0;
        if (seen)
            continue;
        Param param(name);
        for (const Param& old : std::as_const(params_))
            if (old.name().compare(name, Qt::CaseInsensitive) == 0)
                param = old;
        next.append(param);
    }
    params_ = next;
}

Param& Statement::paramByName(const QString& name)
{
    for (Param& p : params_)
        if (p.name().compare(name, Qt::CaseInsensitive) == 0)
            return p;
    throw DbError(QStringLiteral("Параметр '%1' не найден").arg(name));
}

QVector<Param> Statement::orderedParams()
{
    QVector<Param> out;
    out.reserve(order_.size());
    for (const QString& name : std::as_const(order_))
        out.append(paramByName(name));
    return out;
}

void Statement::run(Connection* connection, QSqlQuery& query)
{
    if (!connection || !connection->connected())
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    bool ok = false;
    if (order_.isEmpty()) {
        ok = query.exec(text_);
    } else {
        if (!query.prepare(positional_))
            throw toDbError(query.lastError());
        for (int i = 0; i < order_.size(); ++i) {
            const Param& p = paramByName(order_[i]);
            QVariant v = p.value();
            if (!v.isValid()) {
                switch (p.type()) {
                case ParamType::DateTime: v = QVariant(QMetaType(QMetaType::QDateTime)); break;
                case ParamType::Integer: v = QVariant(QMetaType(QMetaType::LongLong)); break;
                case ParamType::Float: v = QVariant(QMetaType(QMetaType::Double)); break;
                default: v = QVariant(QMetaType(QMetaType::QString)); break;
                }
            }
            query.bindValue(i, v);
        }
        ok = query.exec();
    }
    if (!ok)
        throw toDbError(query.lastError());
}

}   // namespace pf
