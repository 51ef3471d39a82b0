#pragma once

#include "platform/db/connection.h"
#include "platform/db/query.h"

#include <QObject>

#include <array>

// The shared data module: the one connection, the journal's shift queries,
// the catalogue lists, the monthly timesheet queries and the statement
// holders any window may load and run.
class TDataModule6 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule6(QObject* parent = nullptr);

    pf::Connection* ADO_DB;

    // Shift queries of one date, shifts 1..4 (4 = overtime).
    pf::Query* Smena1;
    pf::Query* Smena2;
    pf::Query* Smena3;
    pf::Query* Smena4;

    // Catalogue lists.
    pf::Query* Workers;
    pf::Query* Izdel;
    pf::Query* Vid_oper;
    pf::Query* Oper;

    // Operation commands.
    pf::Command* Oper_ins;
    pf::Command* Oper_ed;
    pf::Command* Oper_del;

    // Monthly timesheet queries of shifts 1..3.
    pf::Query* H_Tabel_1;
    pf::Query* H_Tabel_2;
    pf::Query* H_Tabel_3;

    // Statement holders.
    pf::Query* Control;
    pf::Command* DelSmena;
    pf::Command* H_Tabel_ins;
    pf::Command* SQL_exec;

    QString Delim;   // decimal separator of typed numbers, from accounts_dep.ver

    // Runs a count statement naming its count cnt; shows the message and
    // returns true when the count is above 0.
    bool CheckCount(const QString& sql, const QString& message);
    // Replaces the first "," (or else the first ".") by Delim.
    QString FixDelim(const QString& text);

    // The shift query of a shift number; any other number gives Smena1.
    pf::Query* shiftQuery(int shift) const;
    // The four shift queries in shift order.
    std::array<pf::Query*, 4> shiftQueries() const { return {Smena1, Smena2, Smena3, Smena4}; }

    // The statements, for windows that build their own copies.
    static QString shiftSql(int shift);
    static QString monthTimesheetSql(int shift);
};

extern TDataModule6* DataModule6;
