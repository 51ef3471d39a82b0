#include "kit/kit.h"

#include "data/data_module.h"

namespace {

struct DelimCase {
    const char* delim;
    const char* typed;
    const char* fixed;
};

class FixDelimCases : public ::testing::TestWithParam<DelimCase> { };

TEST_P(FixDelimCases, ReplacesOnlyTheFirstSeparator)
{
    TDataModule6 module;
    module.Delim = QString::fromLatin1(GetParam().delim);
    EXPECT_EQ(module.FixDelim(QString::fromLatin1(GetParam().typed)).toStdString(), GetParam().fixed);
}

INSTANTIATE_TEST_SUITE_P(Typed, FixDelimCases,
                         ::testing::Values(DelimCase{".", "1,5", "1.5"}, DelimCase{",", "1.5", "1,5"},
                                           DelimCase{".", "1,5,7", "1.5,7"}, DelimCase{".", "15", "15"},
                                           DelimCase{",", "1.5,7", "1.5,7"},   // a comma is found first
                                           DelimCase{"", "2,25", "2.25"},      // empty Delim becomes "."
                                           DelimCase{".", "", ""}));

TEST(FixDelim, EmptyDelimIsSetToPointOnFirstUse)
{
    TDataModule6 module;
    EXPECT_EQ(module.FixDelim("15"), "15");
    EXPECT_EQ(module.Delim, "");
    module.FixDelim("1,5");
    EXPECT_EQ(module.Delim, ".");
}

class CheckCountTest : public kit::UiTest {
protected:
    void SetUp() override
    {
        kit::UiTest::SetUp();
        module.ADO_DB->setConnectionString(db.connectionString());
        module.ADO_DB->open();
    }
    kit::TestDatabase db;
    TDataModule6 module;
};

TEST_F(CheckCountTest, ZeroCountShowsNothing)
{
    EXPECT_FALSE(module.CheckCount("select count(*) as cnt from accounts_dep.smena", "Уже есть"));
    EXPECT_FALSE(module.Control->active());
}

TEST_F(CheckCountTest, DuplicateShowsTheMessageOnce)
{
    messages.expect("Позиция с такими параметрами уже заведена!", "Ошибка", pf::MsgIcon::Error);
    EXPECT_TRUE(module.CheckCount("select count(*) as cnt from accounts_dep.vid_oper where id=7777",
                                  "Позиция с такими параметрами уже заведена!"));
    EXPECT_FALSE(module.Control->active());
}

TEST_F(CheckCountTest, EmptyMessageGivesAnEmptyBox)
{
    messages.expect("", "Ошибка", pf::MsgIcon::Error);
    EXPECT_TRUE(module.CheckCount("select 2 as cnt", ""));
}

}   // namespace
