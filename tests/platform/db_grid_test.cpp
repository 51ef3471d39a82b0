#include "memory_data_set.h"

#include "platform/ui/db_grid.h"

#include <gtest/gtest.h>

namespace {

MemoryDataSet marks()
{
    return MemoryDataSet(
        {{"fio", pf::FieldType::Text}, {"ok", pf::FieldType::Text}},
        {{QString("Иванов"), QString("no")}, {QString("Петров"), QString("ok")}, {QString("Сидоров"), QString("no")}});
}

TEST(DbGrid, SelectionFollowsTheCursorBothWays)
{
    MemoryDataSet ds = marks();
    pf::DataSource source(&ds);
    pf::DbGrid grid;
    grid.setColumns({{"fio", "Фамилия"}, {"ok", "OK", 40, Qt::AlignCenter}});
    grid.setDataSource(&source);
    ds.open();
    EXPECT_EQ(grid.gridModel()->rowCount(), 3);
    EXPECT_EQ(grid.currentIndex().row(), 0);
    ds.setRecNo(3);
    EXPECT_EQ(grid.currentIndex().row(), 2);
    grid.setCurrentIndex(grid.gridModel()->index(1, 0));
    EXPECT_EQ(ds.recNo(), 2);
    EXPECT_EQ(ds.fieldByName("fio").asString(), "Петров");
    ds.close();
    EXPECT_EQ(grid.gridModel()->rowCount(), 0);
}

TEST(DbGrid, CellHookDecidesFontAndColourPerRow)
{
    MemoryDataSet ds = marks();
    pf::DataSource source(&ds);
    pf::DbGrid grid;
    grid.setColumns({{"fio", "Фамилия"}, {"ok", "OK"}});
    grid.setDrawCellHook([](const pf::GridColumn& c, const pf::GridRow& row, pf::CellStyle& s) {
        if (c.field == "ok" && row.fieldByName("ok").asString() == "ok") {
            s.font.setBold(true);
            s.foreground = Qt::darkGreen;
        }
    });
    grid.setDataSource(&source);
    ds.open();
    ds.setRecNo(1);   // the cursor's row does not matter: each cell reads its own row
    auto* m = grid.gridModel();
    EXPECT_EQ(m->data(m->index(1, 1), Qt::ForegroundRole).value<QColor>(), QColor(Qt::darkGreen));
    EXPECT_TRUE(m->data(m->index(1, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(m->data(m->index(0, 1), Qt::ForegroundRole).isValid());
    EXPECT_FALSE(m->data(m->index(1, 0), Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(m->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "OK");
    EXPECT_EQ(m->data(m->index(2, 0), Qt::AccessibleTextRole).toString(), "Сидоров");
}

}   // namespace
