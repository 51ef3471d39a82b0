#include "sql_error.h"

#include <QRegularExpression>
#include <QSqlError>

namespace pf {

DbError toDbError(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    // The ODBC driver reports the SQLSTATE as the native error code or
    // inside its text; keep whichever five-character state it gives.
    QString state;
    static const QRegularExpression stateRe(QStringLiteral("^[0-9A-Z]{5}$"));
    for (const QString& part : error.nativeErrorCode().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (stateRe.match(part.trimmed()).hasMatch()) {
            state = part.trimmed();
            break;
        }
    }
    return DbError(text, state);
}

}   // namespace pf
