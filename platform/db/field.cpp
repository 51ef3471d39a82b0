#include "field.h"

#include "data_set.h"
#include "db_error.h"

#include <cmath>

namespace pf {

namespace {

QString floatText(double v)
{
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
        return QString::number(static_cast<qint64>(v));
    return QString::number(v, 'g', 15);
}

}   // namespace

QString displayText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: return floatText(value.toDouble());
    case QMetaType::QDate: return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("dd.MM.yyyy"));
        return dt.toString(QStringLiteral("dd.MM.yyyy H:mm:ss"));
    }
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default: return value.toString();
    }
}

Field::Field(DataSet* dataSet, int column, int row) : dataSet_(dataSet), column_(column), row_(row) { }

const QString& Field::name() const
{
    return dataSet_->fieldDef(column_).name;
}

FieldType Field::type() const
{
    return dataSet_->fieldDef(column_).type;
}

QVariant Field::value() const
{
    return row_ < 0 ? dataSet_->currentValue(column_) : dataSet_->value(row_, column_);
}

bool Field::isNull() const
{
    const QVariant v = value();
    return !v.isValid() || v.isNull();
}

QString Field::asString() const
{
    return displayText(value());
}

qint64 Field::asLargeInt() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return 0;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: return std::llround(v.toDouble());
    case QMetaType::Bool: return v.toBool() ? 1 : 0;
    case QMetaType::QString: {
        bool ok = false;
        const qint64 n = v.toString().trimmed().toLongLong(&ok);
        if (!ok)
            throw DbError(QStringLiteral("'%1' не является целым числом").arg(v.toString()));
        return n;
    }
    default: return v.toLongLong();
    }
}

int Field::asInteger() const
{
    return static_cast<int>(asLargeInt());
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (!v.isValid() || v.isNull())
        return 0.0;
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (!ok)
            throw DbError(QStringLiteral("'%1' не является числом").arg(v.toString()));
        return d;
    }
    return v.toDouble();
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().startOfDay();
    return v.toDateTime();
}

QDate Field::asDate() const
{
    return asDateTime().date();
}

void Field::setValue(const QVariant& value)
{
    dataSet_->setBufferValue(column_, value);
}

}   // namespace pf
