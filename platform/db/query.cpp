#include "query.h"

#include "connection.h"
#include "db_error.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace pf {

FieldType fieldTypeOf(int id)
{
    switch (id) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return FieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float: return FieldType::Float;
    case QMetaType::QDate: return FieldType::Date;
    case QMetaType::QDateTime:
    case QMetaType::QTime: return FieldType::DateTime;
    case QMetaType::Bool: return FieldType::Boolean;
    case QMetaType::QString:
    case QMetaType::QByteArray: return FieldType::Text;
    default: return FieldType::Unknown;
    }
}

Query::Query(QObject* parent) : DataSet(parent) { }

Query::~Query() = default;

Param& Query::paramByName(const QString& name)
{
    statement_.setText(sqlText());
    return statement_.paramByName(name);
}

QVector<Param>& Query::params()
{
    statement_.setText(sqlText());
    return statement_.params();
}

int Query::execSql()
{
    statement_.setText(sqlText());
    QSqlQuery query(connection() ? connection()->database() : QSqlDatabase());
    statement_.run(connection(), query);
    return query.numRowsAffected();
}

void Query::readRows(QVector<FieldDef>& fields, QVector<Row>& rows)
{
    statement_.setText(sqlText());
    if (!connection() || !connection()->connected())
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    // Block reads on a statement kept prepared; a text too long for its
    // column buffer is read again value by value below.
    if (!cursor_ || !cursor_->usable())
        cursor_ = std::make_unique<OdbcCursor>(*connection());
    if (cursor_->run(statement_.positionalText(), statement_.orderedParams(), fields, rows))
        return;
    fields.clear();
    rows.clear();
    QSqlQuery query(connection() ? connection()->database() : QSqlDatabase());
    statement_.run(connection(), query);
    if (!query.isSelect())
        throw DbError(QStringLiteral("Запрос не вернул набор данных"));
    const QSqlRecord record = query.record();
    const int n = record.count();
    fields.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QSqlField f = record.field(i);
        fields.append({f.name(), fieldTypeOf(f.metaType().id()), f.length(), f.precision()});
    }
    while (query.next()) {
        Row row(n);
        for (int i = 0; i < n; ++i)
            row[i] = query.value(i);
        rows.append(std::move(row));
    }
}

int Command::execute()
{
    QSqlQuery query(connection_ ? connection_->database() : QSqlDatabase());
    statement_.run(connection_, query);
    return query.numRowsAffected();
}

}   // namespace pf
