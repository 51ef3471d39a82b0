#include "table.h"

#include "connection.h"
#include "db_error.h"
#include "query.h"
#include "sql_error.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace pf {

namespace {

void runBound(Connection* connection, const QString& sql, const QVariantList& binds)
{
    if (!connection || !connection->connected())
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    QSqlQuery query(connection->database());
    if (!query.prepare(sql))
        throw toDbError(query.lastError());
    for (int i = 0; i < binds.size(); ++i)
        query.bindValue(i, binds[i]);
    if (!query.exec())
        throw toDbError(query.lastError());
}

}   // namespace

void Table::readRows(QVector<FieldDef>& fields, QVector<Row>& rows)
{
    Query query;
    query.setConnection(connection());
    query.setSql(QStringLiteral("select * from ") + tableName_);
    query.open();
    for (int i = 0; i < query.fieldCount(); ++i)
        fields.append(query.fieldDef(i));
    for (int r = 0; r < query.recordCount(); ++r) {
        Row row(query.fieldCount());
        for (int c = 0; c < query.fieldCount(); ++c)
            row[c] = query.value(r, c);
        rows.append(std::move(row));
    }
}

void Table::insert()
{
    if (!active())
        throw DbError(QStringLiteral("Таблица не открыта"));
    buffer() = Row(fieldCount());
    original_.clear();
    setState(State::Insert);
}

void Table::edit()
{
    if (!active())
        throw DbError(QStringLiteral("Таблица не открыта"));
    if (state() != State::Browse)
        return;
    if (isEmpty()) {
        insert();
        return;
    }
    original_ = rows()[currentRowIndex()];
    buffer() = original_;
    setState(State::Edit);
}

QString Table::whereOf(const Row& row, QVariantList& binds) const
{
    QStringList terms;
    const int id = fieldIndex(QStringLiteral("id"));
    for (int c = 0; c < fieldCount(); ++c) {
        if (id >= 0 && c != id)
            continue;
        const QVariant v = row.value(c);
        if (!v.isValid() || v.isNull()) {
            terms << fieldDef(c).name + QStringLiteral(" is null");
        } else {
            terms << fieldDef(c).name + QStringLiteral("=?");
            binds << v;
        }
    }
    return terms.join(QStringLiteral(" and "));
}

void Table::post()
{
    if (state() == State::Browse || state() == State::Inactive)
        return;
    const Row row = buffer();
    QVariantList binds;
    QString sql;
    if (state() == State::Insert) {
        QStringList cols, marks;
        for (int c = 0; c < fieldCount(); ++c) {
            const QVariant v = row.value(c);
            if (!v.isValid())
                continue;   // unset columns take the server's default
            cols << fieldDef(c).name;
            marks << QStringLiteral("?");
            binds << v;
        }
        if (cols.isEmpty())
            sql = QStringLiteral("insert into %1 default values").arg(tableName_);
        else
            sql = QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(tableName_, cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    } else {
        QStringList sets;
        for (int c = 0; c < fieldCount(); ++c) {
            if (row.value(c) == original_.value(c) && row.value(c).isNull() == original_.value(c).isNull())
                continue;
            sets << fieldDef(c).name + QStringLiteral("=?");
            binds << row.value(c);
        }
        if (sets.isEmpty()) {
            setState(State::Browse);
            return;
        }
        sql = QStringLiteral("update %1 set %2 where ").arg(tableName_, sets.join(QStringLiteral(", ")));
        sql += whereOf(original_, binds);
    }
    runBound(connection(), sql, binds);
    setState(State::Browse);
    buffer().clear();
    refresh();
}

void Table::cancel()
{
    if (state() == State::Edit || state() == State::Insert) {
        setState(State::Browse);
        buffer().clear();
    }
}

void Table::remove()
{
    if (state() != State::Browse || isEmpty())
        return;
    QVariantList binds;
    const QString sql =
        QStringLiteral("delete from %1 where ").arg(tableName_) + whereOf(rows()[currentRowIndex()], binds);
    runBound(connection(), sql, binds);
    refresh();
}

}   // namespace pf
