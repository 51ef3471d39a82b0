#include "kit/journal_fixture.h"

#include "data/data_module.h"
#include "timesheets/day_cell_upkeep.h"

#include <QDeadlineTimer>
#include <latch>
#include <thread>

namespace {

class UpkeepTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module.ADO_DB->setConnectionString(db.connectionString());
        module.ADO_DB->open();
    }
    QVariant shiftCell(int worker, int shift, int day, int month = 6)
    {
        return db.scalar(QString("select d%1 from accounts_dep.h_tabel where w_id=%2 and smena=%3 and month=%4 and "
                                 "year=2024")
                             .arg(day)
                             .arg(worker)
                             .arg(shift)
                             .arg(month));
    }
    void addUtility(int worker, qint64 kind, int night, int group, const QDate& date, int hours)
    {
        db.exec(QString("insert into accounts_dep.fatigue(id_p, id_o, id_nom, d_date, i_mnth, i_year, i_smena, cnt, "
                        "price, i_holiday, i_night) values (%1, %2, %3, to_date('%4', 'DD.MM.YYYY'), %5, %6, 1, %7, "
                        "150, 0, %8)")
                    .arg(worker)
                    .arg(kind)
                    .arg(group)
                    .arg(date.toString("dd.MM.yyyy"))
                    .arg(date.month())
                    .arg(date.year())
                    .arg(hours)
                    .arg(night));
    }
    QVariant utilityCell(int worker, qint64 kind, int night, int group, int day)
    {
        return db.scalar(QString("select d%1 from accounts_dep.h_tabel where w_id=%2 and i_type=%3 and i_night=%4 and "
                                 "id_nom=%5 and month=6 and year=2024")
                             .arg(day)
                             .arg(worker)
                             .arg(kind)
                             .arg(night)
                             .arg(group));
    }
    kit::TestDatabase db;
    JournalFixture plant{db};
    TDataModule6 module;
    const QDate day{2024, 6, 3};
};

TEST_F(UpkeepTest, FirstPositionOfTheMonthInsertsOnlyThatDay)
{
    plant.addPosition(plant.ivanov, day, 2, 8);
    upkeep::afterSave(module, upkeep::ShiftCell{plant.ivanov, 2, day});
    EXPECT_EQ(db.count("accounts_dep.h_tabel"), 1);
    EXPECT_EQ(shiftCell(plant.ivanov, 2, 3).toInt(), 8);
    EXPECT_TRUE(shiftCell(plant.ivanov, 2, 4).isNull());
    EXPECT_EQ(db.scalar("select i_type || '/' || i_night from accounts_dep.h_tabel").toString(), "0/0");
}

TEST_F(UpkeepTest, PositionsOfADayAddUpAndZeroHoursAreWritten)
{
    plant.addPosition(plant.ivanov, day, 1, 4);
    upkeep::afterSave(module, upkeep::ShiftCell{plant.ivanov, 1, day});
    plant.addPosition(plant.ivanov, day, 1, 3, 5);
    plant.addPosition(plant.ivanov, day, 2, 6);   // another shift: its own row
    upkeep::afterSave(module, upkeep::ShiftCell{plant.ivanov, 1, day});
    EXPECT_EQ(shiftCell(plant.ivanov, 1, 3).toInt(), 7);
    EXPECT_EQ(db.count("accounts_dep.h_tabel"), 1);

    plant.addPosition(plant.petrova, day, 1, 0);
    upkeep::afterSave(module, upkeep::ShiftCell{plant.petrova, 1, day});
    EXPECT_EQ(shiftCell(plant.petrova, 1, 3), QVariant(0));
}

TEST_F(UpkeepTest, DeleteUpdatesButNeverInserts)
{
    const int a = plant.addPosition(plant.ivanov, day, 1, 4);
    plant.addPosition(plant.ivanov, day, 1, 3, 5);
    plant.addPosition(plant.ivanov, day.addDays(1), 1, 6);
    upkeep::afterSave(module, upkeep::ShiftCell{plant.ivanov, 1, day});
    upkeep::afterSave(module, upkeep::ShiftCell{plant.ivanov, 1, day.addDays(1)});

    db.exec(QString("delete from accounts_dep.smena where id=%1").arg(a));
    upkeep::afterDelete(module, upkeep::ShiftCell{plant.ivanov, 1, day});
    EXPECT_EQ(shiftCell(plant.ivanov, 1, 3).toInt(), 3);
    db.exec(QString("delete from accounts_dep.smena where w_id=%1 and data=to_date('03.06.2024', 'DD.MM.YYYY')")
                .arg(plant.ivanov));
    upkeep::afterDelete(module, upkeep::ShiftCell{plant.ivanov, 1, day});
    EXPECT_EQ(shiftCell(plant.ivanov, 1, 3), QVariant(0));
    EXPECT_EQ(shiftCell(plant.ivanov, 1, 4).toInt(), 6);

    upkeep::afterDelete(module, upkeep::ShiftCell{plant.petrova, 1, day});   // no row: stays missing
    EXPECT_EQ(db.count(QString("accounts_dep.h_tabel where w_id=%1").arg(plant.petrova)), 0);
}

TEST_F(UpkeepTest, CellsOfOtherRowsAreNotTouched)
{
    plant.addPosition(plant.ivanov, day, 1, 8);
    plant.addPosition(plant.ivanov, QDate(2024, 7, 3), 1, 5);
    upkeep::afterSave(module, upkeep::ShiftCell{plant.ivanov, 1, day});
    upkeep::afterSave(module, upkeep::ShiftCell{plant.ivanov, 1, QDate(2024, 7, 3)});
    EXPECT_EQ(shiftCell(plant.ivanov, 1, 3, 6).toInt(), 8);
    EXPECT_EQ(shiftCell(plant.ivanov, 1, 3, 7).toInt(), 5);
    EXPECT_EQ(db.count("accounts_dep.h_tabel"), 2);
}

TEST_F(UpkeepTest, UtilityCellsAreKeptPerGroupKindAndNight)
{
    const int groupB = db.scalar("insert into cmn_classifier.item(s_caption, b_excluded) values ('Плитка', 0) "
                                 "returning id")
                           .toInt();
    addUtility(plant.ivanov, 7777, 0, plant.group, day, 5);
    upkeep::afterSave(module, upkeep::UtilityCell{plant.ivanov, 7777, 0, plant.group, day});
    addUtility(plant.ivanov, 7777, 0, groupB, day, 2);
    upkeep::afterSave(module, upkeep::UtilityCell{plant.ivanov, 7777, 0, groupB, day});
    addUtility(plant.ivanov, 7777, 1, plant.group, day, 3);
    upkeep::afterSave(module, upkeep::UtilityCell{plant.ivanov, 7777, 1, plant.group, day});
    addUtility(plant.ivanov, 7778, 0, plant.group, day, 4);
    addUtility(plant.ivanov, 7778, 0, plant.group, day, 1);
    upkeep::afterSave(module, upkeep::UtilityCell{plant.ivanov, 7778, 0, plant.group, day});

    EXPECT_EQ(utilityCell(plant.ivanov, 7777, 0, plant.group, 3).toInt(), 5);   // group B did not change it
    EXPECT_EQ(utilityCell(plant.ivanov, 7777, 0, groupB, 3).toInt(), 2);
    EXPECT_EQ(utilityCell(plant.ivanov, 7777, 1, plant.group, 3).toInt(), 3);
    EXPECT_EQ(utilityCell(plant.ivanov, 7778, 0, plant.group, 3).toInt(), 5);
    EXPECT_EQ(db.count("accounts_dep.h_tabel where smena=0"), 4);

    db.exec(QString("delete from accounts_dep.fatigue where id_o=7777 and id_nom=%1 and i_night=0").arg(plant.group));
    upkeep::afterDelete(module, upkeep::UtilityCell{plant.ivanov, 7777, 0, plant.group, day});
    EXPECT_EQ(utilityCell(plant.ivanov, 7777, 0, plant.group, 3), QVariant(0));
    EXPECT_EQ(utilityCell(plant.ivanov, 7777, 0, groupB, 3).toInt(), 2);
}

// Two clients saving the first positions of one worker, shift and month at
// once end with one timesheet row holding both days, even without a unique
// key on the table. The table is locked while both clients start, so both
// reach the count before either can insert.
TEST_F(UpkeepTest, ConcurrentFirstSavesMakeOneRow)
{
    db.exec("drop index accounts_dep.h_tabel_key_idx");
    plant.addPosition(plant.ivanov, day, 1, 4);
    plant.addPosition(plant.ivanov, day.addDays(2), 1, 3);

    pf::Connection blocker;
    blocker.setConnectionString(db.connectionString());
    blocker.open();
    blocker.beginTransaction();
    blocker.execute("lock table accounts_dep.h_tabel in share mode");

    std::latch ready(2);
    std::vector<std::string> errors(2);
    auto client = [&](int index, QDate date) {
        try {
            TDataModule6 other;
            other.ADO_DB->setConnectionString(db.connectionString());
            other.ADO_DB->open();
            ready.count_down();
            upkeep::afterSave(other, upkeep::ShiftCell{plant.ivanov, 1, date});
        } catch (const std::exception& e) {
            errors[index] = e.what();
            ready.count_down();
        }
    };
    std::thread first(client, 0, day);
    std::thread second(client, 1, day.addDays(2));
    ready.wait();
    // Release the table once both clients wait on a lock.
    QDeadlineTimer deadline(20000);
    int waiting = 0;
    while (!deadline.hasExpired() && waiting < 2)
        waiting = db.scalar("select count(*) from pg_stat_activity where datname=current_database() and "
                            "wait_event_type='Lock'")
                      .toInt();
    blocker.commit();
    first.join();
    second.join();
    EXPECT_EQ(waiting, 2);
    EXPECT_EQ(errors[0], "");
    EXPECT_EQ(errors[1], "");
    EXPECT_EQ(db.count("accounts_dep.h_tabel"), 1);
    EXPECT_EQ(shiftCell(plant.ivanov, 1, 3).toInt(), 4);
    EXPECT_EQ(shiftCell(plant.ivanov, 1, 5).toInt(), 3);
}

}   // namespace
