#include "connection.h"

#include "db_error.h"
#include "odbc_cursor.h"
#include "sql_error.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

namespace pf {

namespace {
QAtomicInt connectionCounter;
}

Connection::Connection(QObject* parent)
    : QObject(parent), name_(QStringLiteral("pf_connection_%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

Connection::~Connection()
{
    close();
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(name_, false);
}

void Connection::open()
{
    close();
    QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false)
                                                    : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name_);
    if (!db.isValid())
        throw DbError(QStringLiteral("ODBC driver of the database access layer is not available"));
    db.setDatabaseName(connectionString_);
    if (!db.open())
        throw toDbError(db.lastError());
    depth_ = 0;
}

void Connection::unregisterCursor(OdbcCursor* cursor)
{
    std::erase(cursors_, cursor);
}

void Connection::releaseCursors()
{
    for (OdbcCursor* cursor : cursors_)
        cursor->release();
    cursors_.clear();
}

void Connection::close()
{
    releaseCursors();
    if (!QSqlDatabase::contains(name_))
        return;
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isOpen())
        db.close();
    depth_ = 0;
}

bool Connection::connected() const
{
    return QSqlDatabase::contains(name_) && database().isOpen();
}

int Connection::execute(const QString& sql)
{
    if (!connected())
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    QSqlQuery query(database());
    if (!query.exec(sql))
        throw toDbError(query.lastError());
    return query.numRowsAffected();
}

void Connection::beginTransaction()
{
    if (!connected())
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    if (depth_++ == 0) {
        failed_ = false;
        QSqlDatabase db = database();
        if (!db.transaction()) {
            depth_ = 0;
            throw toDbError(db.lastError());
        }
    }
}

void Connection::commit()
{
    if (depth_ == 0)
        return;
    if (--depth_ > 0)
        return;
    QSqlDatabase db = database();
    if (failed_) {
        db.rollback();
        throw DbError(QStringLiteral("Транзакция отменена"));
    }
    if (!db.commit()) {
        const DbError error = toDbError(db.lastError());
        db.rollback();
        throw error;
    }
}

void Connection::rollback()
{
    if (depth_ == 0)
        return;
    if (--depth_ > 0) {
        failed_ = true;   // an inner failure dooms the outer transaction
        return;
    }
    if (connected())
        database().rollback();
}

Transaction::Transaction(Connection& connection) : connection_(connection)
{
    connection_.beginTransaction();
}

Transaction::~Transaction()
{
    if (!done_)
        connection_.rollback();
}

void Transaction::commit()
{
    done_ = true;
    connection_.commit();
}

}   // namespace pf
