#include "platform/sql/sql_text.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlText, QuoteDoublesApostrophes)
{
    EXPECT_EQ(pf::sql::quote("O'Brien"), "'O''Brien'");
    EXPECT_EQ(pf::sql::quote("''"), "''''''");
    EXPECT_EQ(pf::sql::quote(""), "''");
    EXPECT_EQ(pf::sql::quote("Иванов И.И."), "'Иванов И.И.'");
    EXPECT_EQ(pf::sql::quote("x'); drop table smena; --"), "'x''); drop table smena; --'");
}

TEST(SqlText, NumbersUseAPointAndNoExponent)
{
    EXPECT_EQ(pf::sql::number(1.5), "1.5");
    EXPECT_EQ(pf::sql::number(-0.25), "-0.25");
    EXPECT_EQ(pf::sql::number(2.0), "2");
    EXPECT_EQ(pf::sql::number(1e-7), "0.0000001");
    EXPECT_EQ(pf::sql::number(123456789.125), "123456789.125");
    EXPECT_EQ(pf::sql::number(qint64(7777)), "7777");
}

TEST(SqlText, DatesAreDayFirst)
{
    EXPECT_EQ(pf::sql::dateText(QDate(2024, 6, 1)), "01.06.2024");
    EXPECT_EQ(pf::sql::dateTimeText(QDateTime(QDate(2024, 12, 31), QTime(7, 5, 9))), "31.12.2024 07:05:09");
}

}   // namespace
