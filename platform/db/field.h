#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace pf {

enum class FieldType { Unknown, Integer, Float, Text, Date, DateTime, Boolean };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Unknown;
    int precision = 0;
    int scale = 0;
};

class DataSet;

// A field of a data set, read on the current row or on one given row.
// Reads convert the way the windows expect: null reads as 0 or "".
class Field {
public:
    Field(DataSet* dataSet, int column, int row = -1);

    const QString& name() const;
    FieldType type() const;

    QVariant value() const;
    bool isNull() const;
    QString asString() const;
    int asInteger() const;
    qint64 asLargeInt() const;
    double asFloat() const;
    QDateTime asDateTime() const;
    QDate asDate() const;

    // Writes go to the edit buffer of a data set in edit or insert state.
    void setValue(const QVariant& value);
    void setAsString(const QString& value) { setValue(value); }
    void setAsInteger(int value) { setValue(value); }
    void setAsFloat(double value) { setValue(value); }
    void clear() { setValue(QVariant()); }

private:
    DataSet* dataSet_;
    int column_;
    int row_;
};

// Text of a value as the windows show it: dates day-first, numbers with a point.
QString displayText(const QVariant& value);

}   // namespace pf
