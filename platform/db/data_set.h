#pragma once

#include "field.h"
#include "filter.h"

#include <QObject>
#include <QStringList>
#include <QVector>
#include <QHash>

namespace pf {

class Connection;

using Row = QVector<QVariant>;

// A snapshot of rows read when the data set was opened, with a cursor.
// Record numbers count from 1 over the rows the filter lets through.
class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit DataSet(QObject* parent = nullptr);
    ~DataSet() override;

    Connection* connection() const { return connection_; }
    void setConnection(Connection* connection) { connection_ = connection; }

    void open();   // throws DbError; an open data set is closed first
    void close();
    bool active() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    // Reopens and returns to the same record number where it still exists.
    void refresh();

    // Cursor
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    bool isEmpty() const { return visible_.isEmpty(); }
    int recordCount() const { return visible_.size(); }
    int recNo() const { return current_ < 0 ? 0 : current_ + 1; }
    void setRecNo(int recNo);
    // Moves to the first row whose field equals the value; false when none.
    bool locate(const QString& field, const QVariant& value, bool caseInsensitive = false, bool partialKey = false);

    // Fields
    int fieldCount() const { return fields_.size(); }
    const FieldDef& fieldDef(int column) const { return fields_[column]; }
    int fieldIndex(const QString& name) const;             // case-insensitive, -1 when absent
    Field fieldByName(const QString& name);                // throws DbError when absent
    Field fieldAt(int recordIndex, const QString& name);   // recordIndex counts from 0
    QVariant value(int recordIndex, int column) const;
    QVariant currentValue(int column) const;

    // Client-side filter (see Filter); applies while filtered() is true.
    void setFilter(const QString& expression);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    // Edit buffer, used by table data sets.
    void setBufferValue(int column, const QVariant& value);

signals:
    void opened();
    void closed();
    void scrolled();      // the current record changed
    void rowsChanged();   // rows re-read or the filter changed

protected:
    // Reads the rows; fills the field list and the rows.
    virtual void readRows(QVector<FieldDef>& fields, QVector<Row>& rows) = 0;

    QVector<Row>& rows() { return rows_; }
    int currentRowIndex() const { return current_ < 0 ? -1 : visible_[current_]; }
    Row& buffer() { return buffer_; }
    void setState(State s) { state_ = s; }
    void moveToRow(int rowIndex);   // an index into rows(), or -1
    void applyFilter();

private:
    void setCurrent(int index);

    Connection* connection_ = nullptr;
    QVector<FieldDef> fields_;
    QHash<QString, int> fieldIndex_;
    QVector<Row> rows_;
    QVector<int> visible_;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    State state_ = State::Inactive;
    QString filterText_;
    bool filtered_ = false;
    Filter compiled_;
    Row buffer_;
};

}   // namespace pf
