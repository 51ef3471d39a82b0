#include "data_set.h"

#include "db_error.h"

namespace pf {

DataSet::DataSet(QObject* parent) : QObject(parent) { }

DataSet::~DataSet() = default;

void DataSet::open()
{
    if (active())
        close();
    QVector<FieldDef> fields;
    QVector<Row> rows;
    readRows(fields, rows);
    fields_ = std::move(fields);
    rows_ = std::move(rows);
    fieldIndex_.clear();
    for (int i = 0; i < fields_.size(); ++i) {
        const QString key = fields_[i].name.toLower();
        if (!fieldIndex_.contains(key))
            fieldIndex_.insert(key, i);
    }
    state_ = State::Browse;
    if (filtered_ && !filterText_.trimmed().isEmpty())
        compiled_ = Filter::parse(filterText_, [this](const QString& n) { return fieldIndex(n); });
    else
        compiled_ = Filter();
    applyFilter();
    emit opened();
}

void DataSet::close()
{
    if (!active())
        return;
    state_ = State::Inactive;
    rows_.clear();
    visible_.clear();
    buffer_.clear();
    current_ = -1;
    eof_ = bof_ = true;
    emit closed();
    emit rowsChanged();
}

void DataSet::refresh()
{
    const int keep = recNo();
    open();
    if (keep > 0 && !isEmpty())
        setRecNo(qMin(keep, recordCount()));
}

void DataSet::applyFilter()
{
    visible_.clear();
    visible_.reserve(rows_.size());
    for (int r = 0; r < rows_.size(); ++r) {
        const Row& row = rows_[r];
        if (compiled_.empty() || compiled_.matches([&row](int c) { return row.value(c); }))
            visible_.append(r);
    }
    current_ = visible_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = visible_.isEmpty();
    emit rowsChanged();
    emit scrolled();
}

void DataSet::setCurrent(int index)
{
    if (index == current_)
        return;
    current_ = index;
    emit scrolled();
}

void DataSet::first()
{
    bof_ = true;
    eof_ = visible_.isEmpty();
    setCurrent(visible_.isEmpty() ? -1 : 0);
}

void DataSet::last()
{
    eof_ = true;
    bof_ = visible_.isEmpty();
    setCurrent(visible_.isEmpty() ? -1 : int(visible_.size()) - 1);
}

void DataSet::next()
{
    bof_ = false;
    if (current_ < 0 || current_ + 1 >= visible_.size()) {
        eof_ = true;
        return;
    }
    eof_ = false;
    setCurrent(current_ + 1);
}

void DataSet::prior()
{
    eof_ = false;
    if (current_ <= 0) {
        bof_ = true;
        return;
    }
    bof_ = false;
    setCurrent(current_ - 1);
}

void DataSet::setRecNo(int recNo)
{
    if (visible_.isEmpty())
        return;
    const int index = qBound(1, recNo, int(visible_.size())) - 1;
    bof_ = index == 0;
    eof_ = false;
    setCurrent(index);
}

void DataSet::moveToRow(int rowIndex)
{
    const int index = visible_.indexOf(rowIndex);
    if (index >= 0) {
        bof_ = index == 0;
        eof_ = false;
        setCurrent(index);
    }
}

bool DataSet::locate(const QString& field, const QVariant& value, bool caseInsensitive, bool partialKey)
{
    const int column = fieldIndex(field);
    if (column < 0)
        throw DbError(QStringLiteral("Поле '%1' не найдено").arg(field));
    const QString wanted = value.toString();
    for (int i = 0; i < visible_.size(); ++i) {
        const QVariant v = rows_[visible_[i]].value(column);
        bool hit;
        if (v.typeId() == QMetaType::QString || value.typeId() == QMetaType::QString) {
            const QString have = displayText(v);
            const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
            hit = partialKey ? have.startsWith(wanted, cs) : have.compare(wanted, cs) == 0;
        } else {
            hit = !v.isNull() && v.toDouble() == value.toDouble();
        }
        if (hit) {
            bof_ = i == 0;
            eof_ = false;
            setCurrent(i);
            return true;
        }
    }
    return false;
}

int DataSet::fieldIndex(const QString& name) const
{
    return fieldIndex_.value(name.toLower(), -1);
}

Field DataSet::fieldByName(const QString& name)
{
    const int column = fieldIndex(name);
    if (column < 0)
        throw DbError(QStringLiteral("Поле '%1' не найдено").arg(name));
    return Field(this, column);
}

Field DataSet::fieldAt(int recordIndex, const QString& name)
{
    const int column = fieldIndex(name);
    if (column < 0)
        throw DbError(QStringLiteral("Поле '%1' не найдено").arg(name));
    return Field(this, column, recordIndex);
}

QVariant DataSet::value(int recordIndex, int column) const
{
    if (recordIndex < 0 || recordIndex >= visible_.size())
        return QVariant();
    return rows_[visible_[recordIndex]].value(column);
}

QVariant DataSet::currentValue(int column) const
{
    if (state_ == State::Edit || state_ == State::Insert)
        return buffer_.value(column);
    if (current_ < 0)
        return QVariant();
    return rows_[visible_[current_]].value(column);
}

void DataSet::setFilter(const QString& expression)
{
    filterText_ = expression;
    if (active() && filtered_) {
        compiled_ = Filter::parse(filterText_, [this](const QString& n) { return fieldIndex(n); });
        applyFilter();
    }
}

void DataSet::setFiltered(bool on)
{
    filtered_ = on;
    if (!active())
        return;
    if (on)
        compiled_ = Filter::parse(filterText_, [this](const QString& n) { return fieldIndex(n); });
    else
        compiled_ = Filter();
    applyFilter();
}

void DataSet::setBufferValue(int column, const QVariant& value)
{
    if (state_ != State::Edit && state_ != State::Insert)
        throw DbError(QStringLiteral("Набор данных не в режиме редактирования"));
    if (buffer_.size() < fields_.size())
        buffer_.resize(fields_.size());
    buffer_[column] = value;
}

}   // namespace pf
