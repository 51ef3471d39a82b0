#pragma once

#include "data_set.h"

namespace pf {

// A table data set: all rows of one table, with insert, edit, post and delete.
// Rows are found for update and delete by their "id" column where the table
// has one, otherwise by all the values read.
class Table : public DataSet {
    Q_OBJECT
public:
    explicit Table(QObject* parent = nullptr) : DataSet(parent) { }

    void setTableName(const QString& name) { tableName_ = name; }
    const QString& tableName() const { return tableName_; }

    void insert();   // starts a new row
    void append() { insert(); }
    void edit();   // an empty table starts a new row instead
    void post();   // writes the edited or new row; throws DbError
    void cancel();
    void remove();   // deletes the current row

protected:
    void readRows(QVector<FieldDef>& fields, QVector<Row>& rows) override;

private:
    QString whereOf(const Row& row, QVariantList& binds) const;

    QString tableName_;
    Row original_;
};

}   // namespace pf
