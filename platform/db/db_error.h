#pragma once

#include <QString>
#include <stdexcept>

namespace pf {

// The one error the data layer raises: the driver's SQLSTATE and message.
class DbError : public std::runtime_error {
public:
    DbError(QString message, QString sqlState = {});

    const QString& message() const { return message_; }
    const QString& sqlState() const { return sqlState_; }

private:
    QString message_;
    QString sqlState_;
};

}   // namespace pf
