#pragma once

#include "db_error.h"

class QSqlError;

namespace pf {

// Turns a Qt Sql error into our error type, keeping the driver's SQLSTATE.
DbError toDbError(const QSqlError& error);

}   // namespace pf
