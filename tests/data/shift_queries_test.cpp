#include "kit/journal_fixture.h"

#include "data/data_module.h"

namespace {

class ShiftQueriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module.ADO_DB->setConnectionString(db.connectionString());
        module.ADO_DB->open();
    }
    QStringList namesOf(pf::Query* q, const QDate& date)
    {
        q->close();
        q->paramByName("data").setDate(date);
        q->paramByName("ok").setText("ta");
        q->open();
        QStringList names;
        for (q->first(); !q->eof(); q->next())
            names << q->fieldByName("fio").asString();
        return names;
    }
    kit::TestDatabase db;
    JournalFixture plant{db};
    TDataModule6 module;
    const QDate day{2024, 6, 3};
};

TEST_F(ShiftQueriesTest, ShowWorkersFoundByIdOrByCodeOnly)
{
    plant.addPosition(plant.ivanov, day, 1, 8, 10, 2);
    plant.addPosition(plant.codeOnly, day, 1, 4);
    plant.addPosition(999999, day, 1, 4);   // no such person: hidden
    plant.addPosition(plant.petrova, day, 2, 6);
    plant.addPosition(plant.petrova, day.addDays(1), 1, 6);

    EXPECT_EQ(namesOf(module.Smena1, day), QStringList({"Иванов И.И.", "Кодов К.К."}));
    EXPECT_EQ(namesOf(module.Smena2, day), QStringList({"Петрова А.С."}));
    EXPECT_TRUE(namesOf(module.Smena3, day).isEmpty());
    EXPECT_TRUE(namesOf(module.Smena4, day).isEmpty());

    pf::Query* q = module.Smena1;
    namesOf(q, day);
    q->first();
    EXPECT_EQ(q->fieldByName("marka").asString(), "КС-12");
    EXPECT_EQ(q->fieldByName("vid").asString(), "Формовка");
    EXPECT_EQ(q->fieldByName("nmn").asString(), "Готовая продукция");
    EXPECT_DOUBLE_EQ(q->fieldByName("summa").asFloat(), 100.0);   // (10 - 2) * 12.5
    EXPECT_EQ(q->fieldByName("time").asInteger(), 8);
    EXPECT_EQ(q->fieldByName("ok").asString(), "no");
    EXPECT_EQ(q->fieldByName("data").asDate(), day);
    EXPECT_GT(q->fieldByName("ID").asInteger(), 0);
}

TEST_F(ShiftQueriesTest, MarkEqualToTheOkParameterIsLeftOut)
{
    plant.addPosition(plant.ivanov, day, 3, 8, 10, 0, "ok");
    plant.addPosition(plant.petrova, day, 3, 8, 10, 0, "");
    pf::Query* q = module.Smena3;
    EXPECT_EQ(namesOf(q, day).size(), 2);
    q->close();
    q->paramByName("ok").setText("ok");
    q->open();
    EXPECT_EQ(q->recordCount(), 1);
}

TEST_F(ShiftQueriesTest, BlanksAreShownAsBlanks)
{
    plant.addPosition(plant.ivanov, day, 4, 2, 5, 0, "no", plant.bareOperation);
    namesOf(module.Smena4, day);
    EXPECT_EQ(module.Smena4->fieldByName("nmn").asString(), "Заготовки");
}

TEST_F(ShiftQueriesTest, OperationsWithoutNormsAreNotListed)
{
    module.Oper->open();
    EXPECT_TRUE(module.Oper->locate("id", plant.operation));
    EXPECT_EQ(module.Oper->fieldByName("norma").asInteger(), 2);
    EXPECT_DOUBLE_EQ(module.Oper->fieldByName("cena").asFloat(), 10.0);
    EXPECT_EQ(module.Oper->fieldByName("s_caption").asString(), "Кирпич");
    EXPECT_EQ(module.Oper->fieldByName("MARKA").asString(), "КС-12");
    EXPECT_FALSE(module.Oper->locate("id", plant.bareOperation));
}

TEST_F(ShiftQueriesTest, CataloguesAndMonthTimesheetOpen)
{
    module.Workers->open();
    EXPECT_TRUE(module.Workers->locate("fio", QString("Петрова А.С.")));
    module.Izdel->open();
    ASSERT_TRUE(module.Izdel->locate("marka", QString("КС-12")));
    EXPECT_EQ(module.Izdel->fieldByName("nom").asString(), "Кирпич");
    module.Vid_oper->open();
    EXPECT_TRUE(module.Vid_oper->locate("VID", QString("Формовка")));

    plant.addPosition(plant.ivanov, day, 1, 8, 10, 2);
    db.exec(QString("insert into accounts_dep.h_tabel(smena, w_id, month, year, d3) values (1, %1, 6, 2024, 8)")
                .arg(plant.ivanov));
    pf::Query* t = module.H_Tabel_1;
    t->paramByName("mnth").setInteger(6);
    t->paramByName("yea").setInteger(2024);
    t->paramByName("date1").setDate(QDate(2024, 6, 1));
    t->paramByName("date2").setDate(QDate(2024, 7, 1));
    t->open();
    ASSERT_EQ(t->recordCount(), 1);
    EXPECT_EQ(t->fieldByName("fio").asString(), "Иванов И.И.");
    EXPECT_EQ(t->fieldByName("summ").asInteger(), 8);
    EXPECT_DOUBLE_EQ(t->fieldByName("cena_all").asFloat(), 100.0);
    EXPECT_DOUBLE_EQ(t->fieldByName("average_price").asFloat(), 12.5);
    EXPECT_TRUE(t->fieldByName("d1").isNull());
}

}   // namespace
