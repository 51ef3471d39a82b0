#include "handler.h"

#include "../db/db_error.h"
#include "messages.h"

namespace pf {

void reportHandlerError(const std::exception& error)
{
    if (const auto* db = dynamic_cast<const DbError*>(&error))
        showError(db->message());
    else
        showError(QString::fromLocal8Bit(error.what()));
}

}   // namespace pf
