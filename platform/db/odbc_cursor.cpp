#include "odbc_cursor.h"

#include "connection.h"
#include "db_error.h"

#include <QDate>
#include <QPointer>
#include <QDateTime>
#include <QSqlDriver>
#include <QTime>

#include <sql.h>
#include <sqlext.h>

#include <cstring>
#include <vector>

namespace pf {

namespace {

// Rows fetched per block, within this many bytes of column buffers.
constexpr SQLULEN kMaxRowsPerBlock = 256;
constexpr size_t kBlockBytes = 4 * 1024 * 1024;
// Text columns of unknown or very large declared size get this many characters.
constexpr SQLULEN kLongTextChars = 8190;

QString stringOf(const SQLWCHAR* text, SQLLEN bytes)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), bytes / SQLLEN(sizeof(SQLWCHAR)));
}

DbError diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    QString message, state;
    SQLWCHAR sqlState[6] = {};
    SQLWCHAR text[2048];
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT i = 1;; ++i) {
        const SQLRETURN r =
            SQLGetDiagRecW(type, handle, i, sqlState, &native, text, SQLSMALLINT(std::size(text)), &length);
        if (!SQL_SUCCEEDED(r))
            break;
        if (state.isEmpty())
            state = stringOf(sqlState, 5 * SQLLEN(sizeof(SQLWCHAR)));
        if (!message.isEmpty())
            message += QLatin1Char('\n');
        message += stringOf(text, qMin<SQLLEN>(length, SQLSMALLINT(std::size(text)) - 1) * SQLLEN(sizeof(SQLWCHAR)));
    }
    if (message.isEmpty())
        message = QStringLiteral("Ошибка драйвера ODBC");
    return DbError(message, state);
}

enum class Kind { Integer, Float, Date, Timestamp, Time, Text };

// How each kind of column is bound and what a null of it reads as.
struct KindBinding {
    SQLSMALLINT cType;
    SQLLEN width;   // bytes per value; text columns size theirs by the column
    QMetaType::Type nullType;
};
constexpr KindBinding kBindings[] = {
    {SQL_C_SBIGINT, sizeof(SQLBIGINT), QMetaType::LongLong},
    {SQL_C_DOUBLE, sizeof(double), QMetaType::Double},
    {SQL_C_TYPE_DATE, sizeof(DATE_STRUCT), QMetaType::QDate},
    {SQL_C_TYPE_TIMESTAMP, sizeof(TIMESTAMP_STRUCT), QMetaType::QDateTime},
    {SQL_C_TYPE_TIME, sizeof(TIME_STRUCT), QMetaType::QTime},
    {SQL_C_WCHAR, 0, QMetaType::QString},
};

struct Column {
    FieldDef def;
    Kind kind = Kind::Text;
    SQLSMALLINT cType = SQL_C_WCHAR;
    SQLLEN width = 0;   // bytes per value in the buffer
    char* buffer = nullptr;
    SQLLEN* indicator = nullptr;
};

Kind kindOf(SQLSMALLINT sqlType, FieldType& fieldType)
{
    switch (sqlType) {
    case SQL_INTEGER:
    case SQL_SMALLINT:
    case SQL_TINYINT:
    case SQL_BIGINT: fieldType = FieldType::Integer; return Kind::Integer;
    case SQL_NUMERIC:
    case SQL_DECIMAL:
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: fieldType = FieldType::Float; return Kind::Float;
    case SQL_TYPE_DATE:
    case SQL_DATE: fieldType = FieldType::Date; return Kind::Date;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: fieldType = FieldType::DateTime; return Kind::Timestamp;
    case SQL_TYPE_TIME:
    case SQL_TIME: fieldType = FieldType::DateTime; return Kind::Time;
    default: fieldType = FieldType::Text; return Kind::Text;
    }
}

// Parameter buffers must live until the statement has run.
struct BoundParam {
    SQLBIGINT integer = 0;
    double real = 0;
    TIMESTAMP_STRUCT stamp{};
    std::u16string text;
    SQLLEN indicator = 0;
};

}   // namespace

struct OdbcCursor::Impl {
    QPointer<Connection> connection;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    QString prepared;
    QString lastDirect;
    // Column buffers, kept between runs and never cleared: the driver writes
    // every value it reports.
    std::unique_ptr<char[]> buffers;
    size_t buffersSize = 0;

    char* reserve(size_t bytes)
    {
        if (bytes > buffersSize) {
            buffers.reset(new char[bytes]);
            buffersSize = bytes;
        }
        return buffers.get();
    }

    void check(SQLRETURN r)
    {
        if (!SQL_SUCCEEDED(r))
            throw diagnostics(SQL_HANDLE_STMT, stmt);
    }
};

OdbcCursor::OdbcCursor(Connection& connection) : d(std::make_unique<Impl>())
{
    d->connection = &connection;
    const QVariant handle = connection.database().driver()->handle();
    SQLHDBC dbc = handle.isValid() ? *static_cast<SQLHDBC const*>(handle.data()) : SQL_NULL_HDBC;
    if (!dbc || !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &d->stmt))) {
        d->stmt = SQL_NULL_HSTMT;
        throw DbError(QStringLiteral("Нет подключения к базе данных"));
    }
    connection.registerCursor(this);
}

OdbcCursor::~OdbcCursor()
{
    if (d->connection)
        d->connection->unregisterCursor(this);
    release();
}

bool OdbcCursor::usable() const
{
    return d->stmt != SQL_NULL_HSTMT && d->connection && d->connection->connected();
}

void OdbcCursor::release()
{
    if (d->stmt != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, d->stmt);
    d->stmt = SQL_NULL_HSTMT;
    d->prepared.clear();
}

bool OdbcCursor::run(const QString& sql, const QVector<Param>& values, QVector<FieldDef>& fields, QVector<Row>& rows)
{
    SQLHSTMT stmt = d->stmt;
    SQLFreeStmt(stmt, SQL_CLOSE);
    SQLFreeStmt(stmt, SQL_UNBIND);
    SQLFreeStmt(stmt, SQL_RESET_PARAMS);
    SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(SQLULEN(1)), 0);
    auto* text = reinterpret_cast<SQLWCHAR*>(const_cast<ushort*>(sql.utf16()));
    // A text without parameters runs directly the first time; one run again
    // (a list reopened) is prepared and kept.
    const bool direct = values.isEmpty() && sql != d->prepared && sql != d->lastDirect;
    if (!direct && sql != d->prepared) {
        d->prepared.clear();
        d->check(SQLPrepareW(stmt, text, SQL_NTS));
        d->prepared = sql;
    }

    struct Cleanup {
        SQLHSTMT stmt;
        ~Cleanup()
        {
            SQLFreeStmt(stmt, SQL_CLOSE);
            SQLFreeStmt(stmt, SQL_UNBIND);
            SQLFreeStmt(stmt, SQL_RESET_PARAMS);
            SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
        }
    } cleanup{stmt};
    std::vector<BoundParam> params(values.size());
    for (int i = 0; i < values.size(); ++i) {
        const Param& p = values[i];
        BoundParam& b = params[i];
        const SQLUSMALLINT n = SQLUSMALLINT(i + 1);
        const bool null = !p.value().isValid() || p.value().isNull();
        b.indicator = null ? SQL_NULL_DATA : 0;
        switch (p.type()) {
        case ParamType::Integer:
            b.integer = p.value().toLongLong();
            d->check(SQLBindParameter(stmt, n, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &b.integer, 0,
                                      &b.indicator));
            break;
        case ParamType::Float:
            b.real = p.value().toDouble();
            d->check(
                SQLBindParameter(stmt, n, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &b.real, 0, &b.indicator));
            break;
        case ParamType::DateTime: {
            const QDateTime t = p.value().toDateTime();
            b.stamp.year = SQLSMALLINT(t.date().year());
            b.stamp.month = SQLUSMALLINT(t.date().month());
            b.stamp.day = SQLUSMALLINT(t.date().day());
            b.stamp.hour = SQLUSMALLINT(t.time().hour());
            b.stamp.minute = SQLUSMALLINT(t.time().minute());
            b.stamp.second = SQLUSMALLINT(t.time().second());
            d->check(SQLBindParameter(stmt, n, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 19, 0,
                                      &b.stamp, 0, &b.indicator));
            break;
        }
        default: {
            b.text = p.value().toString().toStdU16String();
            if (!null)
                b.indicator = SQLLEN(b.text.size() * sizeof(SQLWCHAR));
            d->check(SQLBindParameter(stmt, n, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                                      SQLULEN(qMax<size_t>(1, b.text.size())), 0, b.text.data(),
                                      SQLLEN(b.text.size() * sizeof(SQLWCHAR)), &b.indicator));
        }
        }
    }
    if (direct) {
        d->lastDirect = sql;
        d->prepared.clear();
        d->check(SQLExecDirectW(stmt, text, SQL_NTS));
    } else {
        d->check(SQLExecute(stmt));
    }

    SQLSMALLINT count = 0;
    d->check(SQLNumResultCols(stmt, &count));
    if (count <= 0) {
        throw DbError(QStringLiteral("Запрос не вернул набор данных"));
    }

    std::vector<Column> columns(count);
    size_t rowBytes = 0;
    for (SQLSMALLINT c = 0; c < count; ++c) {
        SQLWCHAR name[256];
        SQLSMALLINT nameLength = 0, sqlType = 0, scale = 0, nullable = 0;
        SQLULEN size = 0;
        d->check(SQLDescribeColW(stmt, SQLUSMALLINT(c + 1), name, SQLSMALLINT(std::size(name)), &nameLength, &sqlType,
                                 &size, &scale, &nullable));
        Column& col = columns[c];
        col.def.name = stringOf(name, qMin<SQLLEN>(nameLength, 255) * SQLLEN(sizeof(SQLWCHAR)));
        col.def.precision = int(size);
        col.def.scale = scale;
        col.kind = kindOf(sqlType, col.def.type);
        const KindBinding& binding = kBindings[int(col.kind)];
        col.cType = binding.cType;
        col.width = binding.width;
        if (col.kind == Kind::Text) {
            const SQLULEN chars = (size == 0 || size > kLongTextChars) ? kLongTextChars : size;
            col.width = SQLLEN((chars + 1) * sizeof(SQLWCHAR));
        }
        rowBytes += size_t(col.width) + sizeof(SQLLEN);
    }

    const SQLULEN block = qBound<SQLULEN>(1, kBlockBytes / qMax<size_t>(1, rowBytes), kMaxRowsPerBlock);
    SQLULEN fetched = 0;
    d->check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_BIND_TYPE, SQL_BIND_BY_COLUMN, 0));
    d->check(SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(block), 0));
    d->check(SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0));
    size_t total = 0;
    for (const Column& col : columns)
        total += (size_t(col.width) + sizeof(SQLLEN)) * block + alignof(SQLLEN);
    char* next = d->reserve(total);
    for (SQLSMALLINT c = 0; c < count; ++c) {
        Column& col = columns[c];
        const size_t pad = (alignof(SQLLEN) - reinterpret_cast<uintptr_t>(next) % alignof(SQLLEN)) % alignof(SQLLEN);
        col.indicator = reinterpret_cast<SQLLEN*>(next + pad);
        col.buffer = next + pad + sizeof(SQLLEN) * block;
        next = col.buffer + size_t(col.width) * block;
        d->check(SQLBindCol(stmt, SQLUSMALLINT(c + 1), col.cType, col.buffer, col.width, col.indicator));
    }

    bool truncated = false;
    for (;;) {
        const SQLRETURN r = SQLFetchScroll(stmt, SQL_FETCH_NEXT, 0);
        if (r == SQL_NO_DATA)
            break;
        d->check(r);
        for (SQLULEN i = 0; i < fetched; ++i) {
            Row row(count);
            for (SQLSMALLINT c = 0; c < count; ++c) {
                const Column& col = columns[c];
                const SQLLEN ind = col.indicator[i];
                const char* cell = col.buffer + size_t(col.width) * i;
                if (ind == SQL_NULL_DATA) {
                    row[c] = QVariant(QMetaType(kBindings[int(col.kind)].nullType));
                    continue;
                }
                switch (col.kind) {
                case Kind::Integer: {
                    SQLBIGINT v;
                    std::memcpy(&v, cell, sizeof v);
                    if (v >= INT_MIN && v <= INT_MAX && col.def.precision < 19)
                        row[c] = int(v);
                    else
                        row[c] = qlonglong(v);
                    break;
                }
                case Kind::Float: {
                    double v;
                    std::memcpy(&v, cell, sizeof v);
                    row[c] = v;
                    break;
                }
                case Kind::Date: {
                    DATE_STRUCT v;
                    std::memcpy(&v, cell, sizeof v);
                    row[c] = QDate(v.year, v.month, v.day);
                    break;
                }
                case Kind::Timestamp: {
                    TIMESTAMP_STRUCT v;
                    std::memcpy(&v, cell, sizeof v);
                    // Timestamps carry no zone: kept as UTC values, which cost no
                    // time-zone look-up and keep their digits as read.
                    row[c] = QDateTime(QDate(v.year, v.month, v.day),
                                       QTime(v.hour, v.minute, v.second, int(v.fraction / 1000000)), Qt::UTC);
                    break;
                }
                case Kind::Time: {
                    TIME_STRUCT v;
                    std::memcpy(&v, cell, sizeof v);
                    row[c] = QTime(v.hour, v.minute, v.second);
                    break;
                }
                case Kind::Text:
                    if (ind == SQL_NO_TOTAL || ind >= col.width) {
                        truncated = true;
                        break;
                    }
                    row[c] = stringOf(reinterpret_cast<const SQLWCHAR*>(cell), ind);
                    break;
                }
            }
            if (truncated)
                break;
            rows.append(std::move(row));
        }
        if (truncated)
            break;
    }
    if (truncated) {
        rows.clear();
        return false;
    }
    fields.reserve(count);
    for (const Column& col : columns)
        fields.append(col.def);
    return true;
}

}   // namespace pf
