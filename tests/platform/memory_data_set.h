#pragma once

#include "platform/db/data_set.h"

// A data set over rows given by the test, for client-side behaviour.
class MemoryDataSet : public pf::DataSet {
public:
    MemoryDataSet(QVector<pf::FieldDef> fields, QVector<pf::Row> rows)
        : fields_(std::move(fields)), rows_(std::move(rows))
    {
    }

protected:
    void readRows(QVector<pf::FieldDef>& fields, QVector<pf::Row>& rows) override
    {
        fields = fields_;
        rows = rows_;
    }

private:
    QVector<pf::FieldDef> fields_;
    QVector<pf::Row> rows_;
};
