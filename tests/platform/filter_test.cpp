#include "memory_data_set.h"

#include "platform/db/db_error.h"

#include <gtest/gtest.h>

namespace {

MemoryDataSet workers()
{
    using pf::FieldType;
    return MemoryDataSet({{"id", FieldType::Integer},
                          {"fio", FieldType::Text},
                          {"marka", FieldType::Text},
                          {"naimen", FieldType::Integer},
                          {"id_level", FieldType::Float},
                          {"b_excluded", FieldType::Integer}},
                         {
                             {1, QString("Иванов И.И."), QString("КС-12"), 0, 2.0, 0},
                             {2, QString("ивашов П.П."), QString("ПБ-40"), 1, 2.0, 1},
                             {3, QString("Петров А.А."), QString("КС-120"), 0, 1.0, 0},
                             {15, QString("O'Brien J."), QString("12-М"), 1, 2.0, 0},
                             {16, QVariant(), QString("Б/н"), 0, 2.0, 0},
                         });
}

QList<int> idsAfter(const QString& filter)
{
    MemoryDataSet ds = workers();
    ds.setFilter(filter);
    ds.setFiltered(true);
    ds.open();
    QList<int> ids;
    for (ds.first(); !ds.eof(); ds.next())
        ids << ds.fieldByName("ID").asInteger();
    return ids;
}

struct FilterCase {
    const char* filter;
    QList<int> ids;
};

class FilterCases : public ::testing::TestWithParam<FilterCase> { };

TEST_P(FilterCases, KeepsMatchingRows)
{
    const FilterCase& c = GetParam();
    EXPECT_EQ(idsAfter(QString::fromUtf8(c.filter)), c.ids) << c.filter;
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, FilterCases,
    ::testing::Values(FilterCase{"fio like 'Ив%'", {1, 2}},   // a search box: any letter case
                      FilterCase{"marka like '%12%'", {1, 3, 15}}, FilterCase{"marka like 'КС-12'", {1}},
                      FilterCase{"marka like 'КС-1_'", {1}}, FilterCase{"naimen=0", {1, 3, 16}},
                      FilterCase{"id=15", {15}}, FilterCase{"id_level=2 and b_excluded=0", {1, 15, 16}},
                      FilterCase{"fio like 'O''B%'", {15}}, FilterCase{"id>2 and not (naimen=1)", {3, 16}},
                      FilterCase{"id<>1 and id!=2 and id<=15", {3, 15}}, FilterCase{"", {1, 2, 3, 15, 16}}));

TEST(Filter, UnknownFieldOrBadSyntaxIsAnError)
{
    for (const char* bad : {"o_id=15", "fio like", "id = = 1", "(id=1", "fio like 'abc"}) {
        MemoryDataSet ds = workers();
        ds.setFilter(QString::fromUtf8(bad));
        ds.setFiltered(true);
        EXPECT_THROW(ds.open(), pf::DbError) << bad;
    }
}

TEST(Filter, SwitchingOffShowsAllRowsAgain)
{
    MemoryDataSet ds = workers();
    ds.open();
    ds.setFilter("naimen=1");
    ds.setFiltered(true);
    EXPECT_EQ(ds.recordCount(), 2);
    ds.setFiltered(false);
    EXPECT_EQ(ds.recordCount(), 5);
}

TEST(DataSetCursor, MovesLikeASnapshotCursor)
{
    MemoryDataSet ds = workers();
    ds.open();
    EXPECT_TRUE(ds.bof());
    EXPECT_EQ(ds.recNo(), 1);
    ds.prior();
    EXPECT_TRUE(ds.bof());
    EXPECT_EQ(ds.recNo(), 1);
    ds.setRecNo(5);
    ds.next();
    EXPECT_TRUE(ds.eof());
    EXPECT_EQ(ds.recNo(), 5);
    EXPECT_TRUE(ds.locate("fio", QString("Петров А.А.")));
    EXPECT_EQ(ds.recNo(), 3);
    EXPECT_FALSE(ds.locate("fio", QString("Сидоров")));
    EXPECT_EQ(ds.recNo(), 3);
    EXPECT_TRUE(ds.locate("id", 15));
    EXPECT_EQ(ds.fieldByName("MARKA").asString(), "12-М");
    // A null reads as empty text and as 0.
    ds.last();
    EXPECT_TRUE(ds.fieldByName("fio").isNull());
    EXPECT_EQ(ds.fieldByName("fio").asString(), "");
    EXPECT_EQ(ds.fieldByName("fio").asInteger(), 0);
    EXPECT_THROW(ds.fieldByName("no_such_field"), pf::DbError);
    ds.close();
    EXPECT_TRUE(ds.eof());
    EXPECT_EQ(ds.recordCount(), 0);
}

}   // namespace
