#pragma once

#include "kit/kit.h"

// A small plant in a fresh database: two workers, one product in a group,
// an operation with norms and one without, for journal and upkeep tests.
struct JournalFixture {
    explicit JournalFixture(kit::TestDatabase& db);

    // Adds a journal row; returns its id.
    int addPosition(int workerId, const QDate& date, int shift, int hours, double quantity = 10, int defects = 0,
                    const QString& ok = QStringLiteral("no"), int operationId = -1);

    kit::TestDatabase& db;
    int ivanov = 0;          // a worker of accounts_dep.person
    int petrova = 0;         // a second worker
    int codeOnly = 0;        // w_id matched only by a contractor's s_code
    int group = 0;           // nomenclature group "Кирпич"
    int product = 0;         // product "КС-12"
    int kind = 0;            // operation kind "Формовка"
    int operation = 0;       // operation with norms (prices 12.5 and 10)
    int bareOperation = 0;   // operation without norms
};
