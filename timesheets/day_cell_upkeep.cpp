#include "day_cell_upkeep.h"

#include "data/data_module.h"
#include "platform/sql/sql_text.h"

namespace upkeep {

namespace {

using pf::sql::dateText;
using pf::sql::number;

struct Statements {
    QString lockKey;
    QString sum, count, update, insert;
};

Statements shiftStatements(const ShiftCell& c)
{
    const QString W = number(c.worker), S = number(qint64(c.shift)), N = number(qint64(c.date.day())),
                  M = number(qint64(c.date.month())), Y = number(qint64(c.date.year()));
    Statements s;
    s.lockKey = QStringLiteral("s/%1/%2/%3/%4").arg(W, S, M, Y);
    s.sum = "select sum(time) as tim from accounts_dep.smena where w_id=" + W + " and smena=" + S +
        " and data=to_date('" + dateText(c.date) + "', 'DD.MM.YYYY') group by w_id, smena, data";
    s.count = "select count(w_id) as cnt from accounts_dep.h_tabel where w_id=" + W + " and smena=" + S +
        " and month=" + M + " and year=" + Y;
    s.update = "update accounts_dep.h_tabel set d" + N + "=%1 where w_id=" + W + " and smena=" + S + " and month=" + M +
        " and year=" + Y;
    s.insert = "insert into accounts_dep.h_tabel(smena, w_id, month, year, d" + N + ") values(" + S + ", " + W + ", " +
        M + ", " + Y + ", %1)";
    return s;
}

Statements utilityStatements(const UtilityCell& c)
{
    const QString W = number(c.worker), O = number(c.kind), NIGHT = number(qint64(c.night)), NOM = number(c.group),
                  N = number(qint64(c.date.day())), M = number(qint64(c.date.month())),
                  Y = number(qint64(c.date.year()));
    Statements s;
    s.lockKey = QStringLiteral("u/%1/%2/%3/%4/%5/%6").arg(W, O, NIGHT, NOM, M, Y);
    s.sum = "select sum(f.cnt) as tim from accounts_dep.fatigue f where f.id_p =" + W + "  and f.id_o=" + O +
        " and i_night=" + NIGHT + " and id_nom=" + NOM + " and f.d_date =to_date('" + dateText(c.date) +
        "', 'DD.MM.YYYY') group by f.id_p, f.d_date";
    s.count = "select count(w_id) as cnt from accounts_dep.h_tabel where w_id=" + W + " and i_type=" + O +
        " and month=" + M + " and year=" + Y + " and id_nom=" + NOM + " and i_night=" + NIGHT;
    s.update = "update accounts_dep.h_tabel set d" + N + "=%1 where w_id=" + W + " and i_type=" + O +
        " and month=" + M + " and year=" + Y + " and i_night=" + NIGHT + " and id_nom=" + NOM;
    s.insert = "insert into accounts_dep.h_tabel(i_type, w_id, month, year, d" + N + ", i_night, id_nom) values(" + O +
        ", " + W + ", " + M + ", " + Y + ", %1, " + NIGHT + ", " + NOM + ")";
    return s;
}

// Reads one whole number through Control; 0 when the query returns no row.
qint64 readNumber(TDataModule6& data, const QString& sql, const char* field)
{
    data.Control->close();
    data.Control->sql().clear();
    data.Control->sql().append(sql);
    data.Control->open();
    const qint64 value = data.Control->isEmpty() ? 0 : data.Control->fieldByName(QLatin1String(field)).asLargeInt();
    data.Control->close();
    return value;
}

void write(TDataModule6& data, const QString& sql)
{
    data.H_Tabel_ins->setCommandText(sql);
    data.H_Tabel_ins->execute();
}

// Serialises the steps of all clients on one timesheet key until commit.
void lockKey(TDataModule6& data, const QString& key)
{
    data.ADO_DB->execute("select pg_advisory_xact_lock(hashtext('accounts_dep.h_tabel'), hashtext(" +
                         pf::sql::quote(key) + "))");
}

void saveStep(TDataModule6& data, const Statements& s)
{
    pf::Transaction transaction(*data.ADO_DB);
    lockKey(data, s.lockKey);
    const qint64 cnt = readNumber(data, s.count, "cnt");
    const qint64 hours = readNumber(data, s.sum, "tim");
    write(data, (cnt != 0 ? s.update : s.insert).arg(number(hours)));
    transaction.commit();
}

void deleteStep(TDataModule6& data, const Statements& s)
{
    pf::Transaction transaction(*data.ADO_DB);
    lockKey(data, s.lockKey);
    const qint64 hours = readNumber(data, s.sum, "tim");
    write(data, s.update.arg(number(hours)));
    transaction.commit();
}

}   // namespace

void afterSave(TDataModule6& data, const ShiftCell& cell)
{
    saveStep(data, shiftStatements(cell));
}

void afterSave(TDataModule6& data, const UtilityCell& cell)
{
    saveStep(data, utilityStatements(cell));
}

void afterDelete(TDataModule6& data, const ShiftCell& cell)
{
    deleteStep(data, shiftStatements(cell));
}

void afterDelete(TDataModule6& data, const UtilityCell& cell)
{
    deleteStep(data, utilityStatements(cell));
}

}   // namespace upkeep
