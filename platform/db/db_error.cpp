#include "db_error.h"

namespace pf {

DbError::DbError(QString message, QString sqlState)
    : std::runtime_error(message.toStdString()), message_(std::move(message)), sqlState_(std::move(sqlState))
{
}

}   // namespace pf
