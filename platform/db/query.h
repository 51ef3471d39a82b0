#pragma once

#include "data_set.h"
#include "odbc_cursor.h"
#include "params.h"

#include <memory>

namespace pf {

// A query data set: SQL text in lines, named parameters, a snapshot cursor.
class Query : public DataSet {
    Q_OBJECT
public:
    explicit Query(QObject* parent = nullptr);
    ~Query() override;

    QStringList& sql() { return lines_; }
    void setSql(const QString& text) { lines_ = text.split(QLatin1Char('\n')); }
    QString sqlText() const { return lines_.join(QLatin1Char('\n')); }

    Param& paramByName(const QString& name);
    QVector<Param>& params();

    // Runs the text as a statement without a result; returns affected rows.
    int execSql();

protected:
    void readRows(QVector<FieldDef>& fields, QVector<Row>& rows) override;

private:
    QStringList lines_;
    Statement statement_;
    std::unique_ptr<OdbcCursor> cursor_;
};

// A statement executed without a result set.
class Command : public QObject {
    Q_OBJECT
public:
    explicit Command(QObject* parent = nullptr) : QObject(parent) { }

    Connection* connection() const { return connection_; }
    void setConnection(Connection* connection) { connection_ = connection; }

    void setCommandText(const QString& text) { statement_.setText(text); }
    const QString& commandText() const { return statement_.text(); }
    Param& paramByName(const QString& name) { return statement_.paramByName(name); }
    QVector<Param>& params() { return statement_.params(); }

    int execute();   // throws DbError; returns affected rows

private:
    Connection* connection_ = nullptr;
    Statement statement_;
};

FieldType fieldTypeOf(int metaTypeId);

}   // namespace pf
