#include "kit/kit.h"

#include "platform/db/db_error.h"
#include "platform/db/table.h"
#include "platform/sql/sql_text.h"

#include <QElapsedTimer>

namespace {

class DataSetTest : public ::testing::Test {
protected:
    std::unique_ptr<pf::Query> query(const QString& sql)
    {
        auto q = std::make_unique<pf::Query>();
        q->setConnection(&db.connection());
        q->setSql(sql);
        return q;
    }
    kit::TestDatabase db;
};

TEST_F(DataSetTest, NamedParametersAreTypedAndSkipCastsAndQuotes)
{
    pf::Query q;
    q.setConnection(&db.connection());
    q.sql() << "select :data::date as d, :n + 1 as n, :t || 'x' as t, 1::numeric(5,2) as num,"
            << " to_char(:data::timestamp, 'DD.MM.YYYY HH24:MI:SS') as stamp, :n * 2 as twice";
    EXPECT_EQ(q.params().size(), 3);
    q.paramByName("DATA").setDateTime(QDateTime(QDate(2024, 6, 1), QTime(7, 5, 9)));
    q.paramByName("n").setInteger(41);
    q.paramByName("t").setText("O'Brien");
    EXPECT_THROW(q.paramByName("missing"), pf::DbError);
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldByName("d").asDate(), QDate(2024, 6, 1));
    EXPECT_EQ(q.fieldByName("N").asInteger(), 42);
    EXPECT_EQ(q.fieldByName("t").asString(), "O'Brienx");
    EXPECT_DOUBLE_EQ(q.fieldByName("num").asFloat(), 1.0);
    EXPECT_EQ(q.fieldByName("stamp").asString(), "01.06.2024 07:05:09");
    EXPECT_EQ(q.fieldByName("twice").asInteger(), 82);
}

TEST_F(DataSetTest, ReopeningRereadsWithNewValuesAndSurvivesAReconnect)
{
    auto q = query("select w.id, w.vid, :d::date as d, null::integer as nothing from accounts_dep.vid_oper w "
                   "where w.id >= :from order by w.id");
    q->paramByName("d").setDate(QDate(2024, 6, 1));
    q->paramByName("from").setInteger(7781);
    q->open();
    EXPECT_EQ(q->recordCount(), 2);
    EXPECT_TRUE(q->fieldByName("nothing").isNull());
    q->close();
    q->paramByName("from").setInteger(7782);
    q->open();
    EXPECT_EQ(q->recordCount(), 1);
    db.connection().close();
    EXPECT_THROW(q->open(), pf::DbError);
    db.connection().open();
    q->open();
    EXPECT_EQ(q->fieldByName("id").asInteger(), 7782);
    EXPECT_EQ(q->fieldByName("d").asDate(), QDate(2024, 6, 1));
}

TEST_F(DataSetTest, LongTextIsReadWhole)
{
    auto q = query("select repeat('я', 10000) as t, 1 as n union all select 'б', 2 order by n");
    q->open();
    ASSERT_EQ(q->recordCount(), 2);
    EXPECT_EQ(q->fieldByName("t").asString().size(), 10000);
    q->next();
    EXPECT_EQ(q->fieldByName("t").asString(), "б");
}

TEST_F(DataSetTest, NameWithApostropheIsWrittenAndReadBack)
{
    db.exec("insert into accounts_dep.person(fio, s_staffpos_hl) values (" + pf::sql::quote("O'Brien Д.") + ", " +
            pf::sql::quote("Маляр") + ")");
    auto q = query("select * from accounts_dep.person where fio=" + pf::sql::quote("O'Brien Д."));
    q->open();
    ASSERT_EQ(q->recordCount(), 1);
    EXPECT_EQ(q->fieldByName("FIO").asString(), "O'Brien Д.");
    EXPECT_EQ(q->fieldByName("s_staffpos_hl").asString(), "Маляр");
    EXPECT_GT(q->fieldByName("id").asInteger(), 0);
}

TEST_F(DataSetTest, InsertReturningOpensAsAQuery)
{
    auto q = query("insert into accounts_dep.vid_oper(vid) values ('Сварка') returning id");
    q->open();
    ASSERT_EQ(q->recordCount(), 1);
    const int id = q->fieldByName("id").asInteger();
    EXPECT_EQ(db.scalar(QString("select vid from accounts_dep.vid_oper where id=%1").arg(id)).toString(), "Сварка");
}

TEST_F(DataSetTest, DatabaseErrorsCarryTheServerText)
{
    auto q = query("select * from accounts_dep.no_such_table");
    try {
        q->open();
        FAIL() << "no error";
    } catch (const pf::DbError& e) {
        EXPECT_TRUE(e.message().contains("no_such_table")) << e.message().toStdString();
        EXPECT_EQ(e.sqlState(), "42P01");
    }
    EXPECT_FALSE(q->active());
    pf::Command bad;
    bad.setConnection(&db.connection());
    bad.setCommandText("update accounts_dep.smena set nonsense=1");
    EXPECT_THROW(bad.execute(), pf::DbError);
}

TEST_F(DataSetTest, TableEditsTheRowItRead)
{
    pf::Table ver;
    ver.setConnection(&db.connection());
    ver.setTableName("accounts_dep.ver");
    ver.open();
    ASSERT_EQ(ver.recordCount(), 1);
    ver.edit();
    ver.fieldByName("d").setAsInteger(20240601);
    ver.fieldByName("t").setAsInteger(25509);
    ver.post();
    EXPECT_EQ(ver.fieldByName("d").asInteger(), 20240601);
    EXPECT_EQ(db.scalar("select d || '/' || t || '/' || delim from accounts_dep.ver").toString(), "20240601/25509/.");

    // An empty table starts a new row on edit.
    db.exec("delete from accounts_dep.ver");
    ver.refresh();
    EXPECT_TRUE(ver.isEmpty());
    ver.edit();
    ver.fieldByName("d").setAsInteger(1);
    ver.fieldByName("t").setAsInteger(2);
    ver.post();
    EXPECT_EQ(db.count("accounts_dep.ver where d=1 and t=2"), 1);
}

TEST_F(DataSetTest, TransactionRollsBackUnlessCommitted)
{
    try {
        pf::Transaction t(db.connection());
        db.exec("insert into accounts_dep.vid_oper(vid) values ('Пайка')");
        db.exec("insert into accounts_dep.no_such_table values (1)");
        t.commit();
    } catch (const pf::DbError&) {
    }
    EXPECT_EQ(db.count("accounts_dep.vid_oper where vid='Пайка'"), 0);
    {
        pf::Transaction t(db.connection());
        db.exec("insert into accounts_dep.vid_oper(vid) values ('Пайка')");
        t.commit();
    }
    EXPECT_EQ(db.count("accounts_dep.vid_oper where vid='Пайка'"), 1);
}

}   // namespace
