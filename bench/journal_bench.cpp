// Data access on a large plant database: the client's timings beside the
// server's own time for the same statements, measured in the same run.
//
//   journal_bench [--database NAME] [--server HOST] [--runs N] [--only abcd]
//
// Client time is wall time through our stack (pf::Query's block-fetching ODBC
// cursor and pf::Command over Qt's QODBC, both on the PostgreSQL Unicode
// driver). Server time is planning + execution as EXPLAIN (ANALYZE, TIMING
// OFF) reports it, run on the same
// connection with the same bound parameters; it leaves out sending the rows.
// The libpq column runs the same text with the same parameter types straight
// through libpq and reads every value: server + wire, no ODBC or Qt.

#include "app/startup.h"
#include "build_constants.h"
#include "data/data_module.h"
#include "platform/db/db_error.h"
#include "platform/db/params.h"
#include "platform/db/query.h"
#include "platform/sql/sql_text.h"
#include "timesheets/day_cell_upkeep.h"

#if TABEL_BENCH_LIBPQ
#include <libpq-fe.h>
#endif

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace {

double elapsedMs(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

struct Stats {
    double median = 0;
    double p95 = 0;
};

Stats stats(std::vector<double> ms)
{
    Stats s;
    if (ms.empty())
        return s;
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    s.median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    s.p95 = ms[std::max<size_t>(1, size_t(std::ceil(0.95 * double(n)))) - 1];
    return s;
}

std::vector<double> repeat(int warmups, int runs, const std::function<void()>& step)
{
    for (int i = 0; i < warmups; ++i)
        step();
    std::vector<double> ms;
    ms.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        step();
        ms.push_back(elapsedMs(t));
    }
    return ms;
}

// One statement of a measurement: text and bound parameters.
struct Stmt {
    QString sql;
    QVector<pf::Param> params;
};

Stmt stmtOf(pf::Query& q)
{
    return {q.sqlText(), q.params()};
}

// Planning + execution time of one run of the statement, from the server.
double serverMs(pf::Connection& db, const Stmt& s)
{
    pf::Query q;
    q.setConnection(&db);
    q.setSql(QStringLiteral("explain (analyze, timing off) ") + s.sql);
    for (const pf::Param& p : s.params)
        q.paramByName(p.name()) = p;
    q.open();
    static const QRegularExpression planning(QStringLiteral("^Planning Time: ([0-9.]+) ms"));
    static const QRegularExpression execution(QStringLiteral("^Execution Time: ([0-9.]+) ms"));
    double total = 0;
    int found = 0;
    for (int r = 0; r < q.recordCount(); ++r) {
        const QString line = q.value(r, 0).toString().trimmed();
        for (const QRegularExpression* re : {&planning, &execution}) {
            const QRegularExpressionMatch m = re->match(line);
            if (m.hasMatch()) {
                total += m.captured(1).toDouble();
                ++found;
            }
        }
    }
    if (found != 2)
        throw pf::DbError(QStringLiteral("EXPLAIN gave no timing for: ") + s.sql);
    return total;
}

// The server's time for a group of statements run together, median over runs.
double serverMedian(pf::Connection& db, const std::vector<Stmt>& group, int runs)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        double sum = 0;
        for (const Stmt& s : group)
            sum += serverMs(db, s);
        ms.push_back(sum);
    }
    return stats(ms).median;
}

#if TABEL_BENCH_LIBPQ
// The same statements straight through libpq, parameters typed the way the
// ODBC driver types them (timestamp for dates, varchar for text).
class Wire {
public:
    static constexpr bool available = true;

    explicit Wire(const QString& conninfo) : conn_(PQconnectdb(conninfo.toUtf8().constData()))
    {
        if (PQstatus(conn_) != CONNECTION_OK)
            throw pf::DbError(QString::fromUtf8(PQerrorMessage(conn_)));
        PQclear(PQexec(conn_, "set datestyle = 'ISO, DMY'"));
    }
    ~Wire() { PQfinish(conn_); }
    Wire(const Wire&) = delete;
    Wire& operator=(const Wire&) = delete;

    // Runs the statement and reads every value; returns the rows.
    int run(const Stmt& s)
    {
        QStringList names;
        QString text = pf::Statement::positional(s.sql, &names);
        for (int n = 1; text.contains(QLatin1Char('?')); ++n)
            text.replace(text.indexOf(QLatin1Char('?')), 1, QLatin1Char('$') + QString::number(n));
        std::vector<QByteArray> values;
        std::vector<Oid> types;
        for (const QString& name : std::as_const(names)) {
            const auto it = std::find_if(s.params.begin(), s.params.end(), [&](const pf::Param& p) {
                return p.name().compare(name, Qt::CaseInsensitive) == 0;
            });
            if (it == s.params.end())
                throw pf::DbError(QStringLiteral("Параметр '%1' не найден").arg(name));
            switch (it->type()) {
            case pf::ParamType::DateTime:
                values.push_back(it->value().toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8());
                types.push_back(1114);   // timestamp
                break;
            case pf::ParamType::Integer:
                values.push_back(QByteArray::number(it->value().toLongLong()));
                types.push_back(20);   // int8
                break;
            default: values.push_back(it->value().toString().toUtf8()); types.push_back(1043);   // varchar
            }
        }
        std::vector<const char*> ptrs;
        for (const QByteArray& v : values)
            ptrs.push_back(v.constData());
        const QByteArray sql = text.toUtf8();
        PGresult* res =
            PQexecParams(conn_, sql.constData(), int(ptrs.size()), types.data(), ptrs.data(), nullptr, nullptr, 0);
        const ExecStatusType st = PQresultStatus(res);
        if (st != PGRES_TUPLES_OK && st != PGRES_COMMAND_OK) {
            const QString message = QString::fromUtf8(PQresultErrorMessage(res));
            PQclear(res);
            throw pf::DbError(message);
        }
        const int rows = PQntuples(res), cols = PQnfields(res);
        size_t bytes = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                bytes += size_t(PQgetlength(res, r, c)) + (PQgetvalue(res, r, c)[0] != 0);
        sink_ += bytes;
        PQclear(res);
        return rows;
    }

    void exec(const char* sql) { PQclear(PQexec(conn_, sql)); }

private:
    PGconn* conn_;
    size_t sink_ = 0;
};
#else
// Built without libpq: no wire-level baseline.
class Wire {
public:
    static constexpr bool available = false;
    explicit Wire(const QString&) { }
    int run(const Stmt&) { return 0; }
    void exec(const char*) { }
};
#endif

// NaN when there is no libpq baseline; printed as "-".
double wireMedian(Wire& wire, const std::vector<Stmt>& group, int warmups, int runs)
{
    if (!Wire::available)
        return std::nan("");
    return stats(repeat(warmups, runs,
                        [&] {
                            for (const Stmt& s : group)
                                wire.run(s);
                        }))
        .median;
}

struct Line {
    QString name;
    int rows = 0;
    Stats client;
    double wire = 0;
    double server = 0;
    QString note;
};

// Milliseconds: three decimals below 1 ms, two above.
QByteArray ms(double v)
{
    if (std::isnan(v))
        return "-";
    return QByteArray::number(v, 'f', v < 1 ? 3 : 2);
}

void printLines(const std::vector<Line>& lines)
{
    std::printf("\n%-44s %8s %10s %10s %10s %10s %8s  %s\n", "measurement", "rows", "client med", "client p95",
                "libpq med", "server med", "cl/srv", "");
    std::printf("%-44s %8s %10s %10s %10s %10s %8s\n", "", "", "ms", "ms", "ms", "ms", "ratio");
    for (const Line& l : lines) {
        const QByteArray name = l.name.toUtf8();
        // Pad by characters, not bytes: the names may hold Cyrillic.
        const int pad = std::max(0, 44 - int(l.name.size()));
        std::printf("%s%*s %8d %10s %10s %10s %10s %8.2f  %s\n", name.constData(), pad, "", l.rows,
                    ms(l.client.median).constData(), ms(l.client.p95).constData(), ms(l.wire).constData(),
                    ms(l.server).constData(), l.server > 0 ? l.client.median / l.server : 0.0,
                    l.note.toUtf8().constData());
    }
}

// The host's load when the run starts: other work on it skews the timings.
QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2);
}

QVariant scalar(pf::Connection& db, const QString& sql, const QVector<pf::Param>& params = {})
{
    pf::Query q;
    q.setConnection(&db);
    q.setSql(sql);
    for (const pf::Param& p : params)
        q.paramByName(p.name()) = p;
    q.open();
    return q.isEmpty() ? QVariant() : q.value(0, 0);
}

pf::Param dateParam(const QString& name, const QDate& d)
{
    pf::Param p(name);
    p.setDate(d);
    return p;
}

pf::Param textParam(const QString& name, const QString& v)
{
    pf::Param p(name);
    p.setText(v);
    return p;
}

QString arg(const QStringList& args, const QString& name, const QString& fallback)
{
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

int run(const QStringList& args)
{
    const QString database = arg(args, QStringLiteral("--database"), QStringLiteral("tabel_bench"));
    const QString server = arg(args, QStringLiteral("--server"), QStringLiteral("127.0.0.1"));
    const int runs = std::max(5, arg(args, QStringLiteral("--runs"), QStringLiteral("30")).toInt());
    const int serverRuns = std::max(3, runs / 3);
    const QString only = arg(args, QStringLiteral("--only"), QStringLiteral("abcd"));
    const auto wanted = [&](char c) { return only.contains(QLatin1Char(c)); };

    TDataModule6 data;
    data.ADO_DB->setConnectionString(app::connectionString(database, server));
    data.ADO_DB->open();
    pf::Connection& db = *data.ADO_DB;
    Wire wire(QStringLiteral("host=%1 port=5432 dbname=%2 user=sys password=%3")
                  .arg(server, database, QString::fromLatin1(build::kDbPassword)));

    const qint64 journalRows = scalar(db, QStringLiteral("select count(*) from accounts_dep.smena")).toLongLong();
    const QDate last = scalar(db, QStringLiteral("select max(data) from accounts_dep.smena")).toDate();
    if (!last.isValid())
        throw pf::DbError(QStringLiteral("%1 holds no journal").arg(database));
    const QVector<pf::Param> lastParam{dateParam(QStringLiteral("last"), last)};
    // The busiest date of the journal's last two months, as a foreman would open it.
    const QDate busy = scalar(db,
                              QStringLiteral("select data from accounts_dep.smena where data > :last::date - 60 "
                                             "group by data order by count(*) desc, data desc limit 1"),
                              lastParam)
                           .toDate();
    // The latest dates that together hold about 100 000 positions.
    const QDate from =
        scalar(db,
               QStringLiteral("select min(data) from (select data, sum(count(*)) over (order by data desc) c "
                              "from accounts_dep.smena where data > :last::date - 400 group by data) x "
                              "where c <= 100000"),
               lastParam)
            .toDate();

    std::printf("database %s: %lld journal rows; busy date %s; bulk range %s..%s; load average %s\n",
                database.toUtf8().constData(), journalRows, busy.toString(Qt::ISODate).toUtf8().constData(),
                from.toString(Qt::ISODate).toUtf8().constData(), last.toString(Qt::ISODate).toUtf8().constData(),
                loadAverage().toUtf8().constData());
    std::fflush(stdout);

    // Sections run with the short measurements first, before the bulk reads
    // churn the caches; they print in letter order.
    std::map<char, std::vector<Line>> sections;

    // b. The journal window's re-read of one date: close the four shift
    //    queries, set the date and the mark, open them in order 1..4.
    if (wanted('b')) {
        pf::Query* shifts[] = {data.Smena1, data.Smena2, data.Smena3, data.Smena4};
        std::vector<double> perShift[4];
        const auto reread = [&](bool keep) {
            for (pf::Query* q : shifts)
                q->close();
            for (int k = 0; k < 4; ++k) {
                QElapsedTimer t;
                t.start();
                shifts[k]->paramByName(QStringLiteral("data")).setDate(busy);
                shifts[k]->paramByName(QStringLiteral("ok")).setText(QStringLiteral("ta"));
                shifts[k]->open();
                if (keep)
                    perShift[k].push_back(elapsedMs(t));
            }
        };
        for (int i = 0; i < 3; ++i)
            reread(false);
        std::vector<double> total;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            reread(true);
            total.push_back(elapsedMs(t));
        }
        std::vector<Stmt> group;
        int rows = 0;
        for (pf::Query* q : shifts) {
            group.push_back(stmtOf(*q));
            rows += q->recordCount();
        }
        Line l;
        l.name = QStringLiteral("b. re-read of shifts 1..4, one date");
        l.rows = rows;
        l.client = stats(total);
        l.wire = wireMedian(wire, group, 2, runs);
        l.server = serverMedian(db, group, serverRuns);
        const bool met = l.client.median <= 2 * l.server && l.client.median < 50;
        l.note = met ? QStringLiteral("target met") : QStringLiteral("TARGET MISSED (<=2x server, <50 ms)");
        sections['b'].push_back(l);
        for (int k = 0; k < 4; ++k) {
            Line s;
            s.name = QStringLiteral("   shift %1").arg(k + 1);
            s.rows = shifts[k]->recordCount();
            s.client = stats(perShift[k]);
            s.wire = wireMedian(wire, {group[size_t(k)]}, 1, serverRuns);
            s.server = serverMedian(db, {group[size_t(k)]}, serverRuns);
            sections['b'].push_back(s);
        }
        for (pf::Query* q : shifts)
            q->close();
    }

    // c. One upkeep step after a save, for a cell whose timesheet row exists.
    if (wanted('c')) {
        pf::Query pick;
        pick.setConnection(&db);
        pick.setSql(QStringLiteral(
            "select s.w_id, s.smena from accounts_dep.smena s where s.data=:d and s.smena=1 and exists "
            "(select 1 from accounts_dep.h_tabel h where h.w_id=s.w_id and h.smena=s.smena and "
            "h.month=extract(month from s.data) and h.year=extract(year from s.data)) order by s.w_id limit 1"));
        pick.paramByName(QStringLiteral("d")).setDate(busy);
        pick.open();
        if (pick.isEmpty())
            throw pf::DbError(QStringLiteral("no timesheet row for the busy date"));
        const upkeep::ShiftCell cell{pick.fieldByName(QStringLiteral("w_id")).asLargeInt(),
                                     pick.fieldByName(QStringLiteral("smena")).asInteger(), busy};
        pick.close();

        Line l;
        l.name = QStringLiteral("c. upkeep afterSave, existing row");
        l.rows = 1;
        l.client = stats(repeat(3, runs, [&] { upkeep::afterSave(data, cell); }));

        // The step's count, sum and update, as upkeep builds them.
        const QString W = pf::sql::number(cell.worker), S = pf::sql::number(qint64(cell.shift)),
                      N = pf::sql::number(qint64(busy.day())), M = pf::sql::number(qint64(busy.month())),
                      Y = pf::sql::number(qint64(busy.year()));
        const QString hours = scalar(db,
                                     "select coalesce(d" + N + ",0) from accounts_dep.h_tabel where w_id=" + W +
                                         " and smena=" + S + " and month=" + M + " and year=" + Y)
                                  .toString();
        const Stmt count{"select count(w_id) as cnt from accounts_dep.h_tabel where w_id=" + W + " and smena=" + S +
                             " and month=" + M + " and year=" + Y,
                         {}};
        const Stmt sum{"select sum(time) as tim from accounts_dep.smena where w_id=" + W + " and smena=" + S +
                           " and data=to_date('" + pf::sql::dateText(busy) +
                           "', 'DD.MM.YYYY') group by w_id, smena, data",
                       {}};
        const Stmt update{"update accounts_dep.h_tabel set d" + N + "=" + hours + " where w_id=" + W +
                              " and smena=" + S + " and month=" + M + " and year=" + Y,
                          {}};
        {
            pf::Transaction undo(db);   // the update's explain writes; roll it back
            l.server = serverMedian(db, {count, sum, update}, serverRuns);
        }
        wire.exec("begin");
        l.wire = wireMedian(wire, {count, sum, update}, 1, serverRuns);
        wire.exec("rollback");
        l.note = QStringLiteral("server: count+sum+update; client adds begin, lock, commit");
        sections['c'].push_back(l);
    }

    // d. The fixed cost of one statement: select 1 through the same stack.
    if (wanted('d')) {
        pf::Query q;
        q.setConnection(&db);
        q.setSql(QStringLiteral("select 1 as one"));
        Line l;
        l.name = QStringLiteral("d. round trip: select 1");
        // Short enough to take many samples; few samples catch the host idling.
        const int many = std::max(300, runs * 10);
        l.client = stats(repeat(20, many, [&] { q.open(); }));
        l.rows = q.recordCount();
        l.wire = wireMedian(wire, {stmtOf(q)}, 20, many);
        l.server = serverMedian(db, {stmtOf(q)}, serverRuns);
        sections['d'].push_back(l);
    }

    // a. Bulk fetch into the snapshot: the journal columns joined as in the
    //    shift queries, and a plain select of the journal table.
    if (wanted('a')) {
        QString joined = TDataModule6::shiftSql(1);
        const QString where = QStringLiteral("smena.smena=1 and smena.data=:data");
        const QString order = QStringLiteral("order by  fio,");
        if (!joined.contains(where) || !joined.contains(order))
            throw pf::DbError(QStringLiteral("the shift statement changed; update the bulk statement"));
        joined.replace(where, QStringLiteral("smena.data>=:d1 and smena.data<=:d2"));
        joined.replace(order, QStringLiteral("order by smena.data, smena.smena, fio,"));
        const QString plain =
            QStringLiteral("select * from accounts_dep.smena where data>=:d1 and data<=:d2 and ok<>:ok");
        const int bulkRuns = std::max(3, runs / 5);
        for (const auto& [name, sql] : {std::pair{QStringLiteral("a. bulk: journal joined as shift queries"), joined},
                                        std::pair{QStringLiteral("a. bulk: plain select of smena"), plain}}) {
            pf::Query q;
            q.setConnection(&db);
            q.setSql(sql);
            q.paramByName(QStringLiteral("d1")).setDate(from);
            q.paramByName(QStringLiteral("d2")).setDate(last);
            q.paramByName(QStringLiteral("ok")).setText(QStringLiteral("ta"));
            const Stmt s = stmtOf(q);
            Line l;
            l.name = name;
            l.client = stats(repeat(1, bulkRuns, [&] { q.open(); }));
            l.rows = q.recordCount();
            q.close();
            l.wire = wireMedian(wire, {s}, 1, bulkRuns);
            l.server = serverMedian(db, {s}, std::max(3, bulkRuns / 2));
            l.note = QStringLiteral("%1 rows/s").arg(qRound64(l.rows / (l.client.median / 1000.0)));
            sections['a'].push_back(l);
        }
    }

    std::vector<Line> lines;
    for (const auto& [letter, part] : sections)
        lines.insert(lines.end(), part.begin(), part.end());
    printLines(lines);
    return 0;
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    try {
        return run(QCoreApplication::arguments().mid(1));
    } catch (const pf::DbError& e) {
        std::fprintf(stderr, "journal_bench: %s\n", e.message().toUtf8().constData());
        return 1;
    }
}
