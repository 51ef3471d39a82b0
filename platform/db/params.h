#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVector>

class QSqlQuery;

namespace pf {

class Connection;

enum class ParamType { Unknown, DateTime, Integer, Text, Float };

// One named parameter of a statement (":data" is the parameter "data").
class Param {
public:
    explicit Param(QString name = {}) : name_(std::move(name)) { }

    const QString& name() const { return name_; }
    ParamType type() const { return type_; }
    const QVariant& value() const { return value_; }

    void setDateTime(const QDateTime& v)
    {
        type_ = ParamType::DateTime;
        value_ = v;
    }
    void setDate(const QDate& v) { setDateTime(v.startOfDay()); }
    void setInteger(qint64 v)
    {
        type_ = ParamType::Integer;
        value_ = v;
    }
    void setText(const QString& v)
    {
        type_ = ParamType::Text;
        value_ = v;
    }
    void setFloat(double v)
    {
        type_ = ParamType::Float;
        value_ = v;
    }
    void setValue(const QVariant& v);
    void clear() { value_ = QVariant(); }

private:
    QString name_;
    ParamType type_ = ParamType::Unknown;
    QVariant value_;
};

// SQL text with named parameters, run on a connection. The parameter list
// follows the text: names are found outside quotes, comments and "::" casts.
class Statement {
public:
    void setText(const QString& text);
    const QString& text() const { return text_; }

    QVector<Param>& params() { return params_; }
    Param& paramByName(const QString& name);   // throws DbError when absent

    // Prepares and runs the statement; throws DbError.
    void run(Connection* connection, QSqlQuery& query);

    // The text with "?" in place of each parameter, and the values in that order.
    const QString& positionalText() const { return positional_; }
    QVector<Param> orderedParams();

    // The text with each parameter replaced by "?", and the names in order.
    static QString positional(const QString& text, QStringList* names);

private:
    QString text_;
    QString positional_;
    QStringList order_;
    QVector<Param> params_;
};

}   // namespace pf
