#pragma once

#include "field.h"
#include "params.h"

#include <QVector>
#include <memory>

namespace pf {

class Connection;
using Row = QVector<QVariant>;

// A prepared statement on the connection's ODBC handle that reads its rows
// in blocks into bound column buffers. It stays prepared between runs of
// the same text, so reopening a query costs one round trip.
class OdbcCursor {
public:
    explicit OdbcCursor(Connection& connection);
    ~OdbcCursor();
    OdbcCursor(const OdbcCursor&) = delete;
    OdbcCursor& operator=(const OdbcCursor&) = delete;

    // Runs the positional text ("?" for each parameter) and reads every row.
    // Returns false (nothing read) when a text value did not fit its column
    // buffer; the caller then reads the statement another way.
    bool run(const QString& positionalSql, const QVector<Param>& values, QVector<FieldDef>& fields, QVector<Row>& rows);

    bool usable() const;   // the connection it was made on is still open
    void release();        // frees the handle (the connection is closing)

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}   // namespace pf
