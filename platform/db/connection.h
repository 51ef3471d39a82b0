#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <vector>

namespace pf {

class OdbcCursor;

// One database connection reached through the ODBC driver manager. The
// connection string is handed to the driver manager unchanged.
class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    void setConnectionString(const QString& text) { connectionString_ = text; }
    const QString& connectionString() const { return connectionString_; }

    void open();   // throws DbError
    void close();
    bool connected() const;

    // Runs one statement without a result; returns the rows it affected.
    int execute(const QString& sql);

    QSqlDatabase database() const;

    // Transactions nest: only the outermost begin/commit reach the server.
    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return depth_ > 0; }

    // Cursors on this connection's handle, released before it disconnects.
    void registerCursor(OdbcCursor* cursor) { cursors_.push_back(cursor); }
    void unregisterCursor(OdbcCursor* cursor);

private:
    void releaseCursors();
    std::vector<OdbcCursor*> cursors_;
    QString name_;
    QString connectionString_;
    int depth_ = 0;
    bool failed_ = false;
};

// Rolls back unless committed; nested guards join the outer transaction.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& connection_;
    bool done_ = false;
};

}   // namespace pf
