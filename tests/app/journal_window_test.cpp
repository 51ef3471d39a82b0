#include "kit/journal_fixture.h"

#include "app/journal_window.h"
#include "app/login_dialog.h"
#include "build_constants.h"
#include "data/data_module.h"
#include "platform/ui/application.h"
#include "utility/utility_journal_window.h"

namespace {

const QDate kMonday(2024, 6, 3);
const QDate kSaturday(2024, 6, 8);
const QDate kSunday(2024, 6, 9);

// The journal window as a role sees it after login, on a fixed "today".
class JournalWindowTest : public kit::ClientTest {
protected:
    void SetUp() override
    {
        kit::ClientTest::SetUp();
        plant = std::make_unique<JournalFixture>(*db);
    }
    // Logs in and runs the test body inside the journal window.
    void inJournal(const QDate& today, std::function<void()> body, const QString& word = build::kWordFullLong)
    {
        pf::Application::setToday(today);
        startClient();
        bool ran = false;
        login(word, [&] {
            ran = true;
            body();
        });
        ASSERT_TRUE(ran);
    }
    void countOpens(pf::Query* q)
    {
        connections.push_back(QObject::connect(q, &pf::DataSet::opened, [this, q] { ++openCount[q]; }));
    }
    QColor okColour(int row)
    {
        auto* model = Form1->DBGrid2->gridModel();
        return model->data(model->index(row, 10), Qt::ForegroundRole).value<QColor>();
    }
    void TearDown() override
    {
        for (auto& c : connections)
            QObject::disconnect(c);
        kit::ClientTest::TearDown();
    }

    std::unique_ptr<JournalFixture> plant;
    std::map<pf::Query*, int> openCount;
    std::vector<QMetaObject::Connection> connections;
};

TEST_F(JournalWindowTest, ShowsTodaysFirstShiftWithTwelveColumns)
{
    plant->addPosition(plant->ivanov, kMonday, 1, 8, 10, 2);
    plant->addPosition(plant->petrova, kMonday, 2, 6);
    inJournal(kMonday, [&] {
        EXPECT_EQ(Form1->caption(), "Табель");
        EXPECT_EQ(Form1->DateT->date(), kMonday);
        EXPECT_TRUE(Form1->RadioButton1->isChecked());
        EXPECT_TRUE(Form1->RadioButton1->font().bold());
        EXPECT_FALSE(Form1->CBox1->isChecked());
        const QStringList titles = {"Фамилия И.О.", "Марка изделия", "Операция",   "Вид",        "Цвет", "Часы",
                                    "Кол-во",       "Брак",          "Итого (р.)", "Премия (%)", "OK",   "Заведен"};
        auto* model = Form1->DBGrid2->gridModel();
        ASSERT_EQ(model->columnCount(), titles.size());
        for (int c = 0; c < titles.size(); ++c) {
            EXPECT_EQ(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), titles[c]);
            EXPECT_TRUE(model->headerData(c, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
        }
        EXPECT_TRUE(Form1->DBGrid2->isColumnHidden(9));   // "Премия (%)"
        ASSERT_EQ(model->rowCount(), 1);
        EXPECT_EQ(model->data(model->index(0, 0), Qt::DisplayRole).toString(), "Иванов И.И.");
        EXPECT_EQ(model->data(model->index(0, 8), Qt::DisplayRole).toString(), "100");
        EXPECT_EQ(model->data(model->index(0, 0), Qt::AccessibleTextRole).toString(), "Иванов И.И.");
    });
}

TEST_F(JournalWindowTest, OkCellIsGreenOnlyForAcceptedMarks)
{
    plant->addPosition(plant->ivanov, kMonday, 1, 1, 1, 0, "no");
    plant->addPosition(plant->petrova, kMonday, 1, 1, 1, 0, "ok");
    plant->addPosition(plant->codeOnly, kMonday, 1, 1, 1, 0, "да");
    const int extra = db->scalar("insert into accounts_dep.person(fio) values ('Яковлев Я.Я.') returning id").toInt();
    plant->addPosition(extra, kMonday, 1, 1, 1, 0, "");
    inJournal(kMonday, [&] {
        // Rows come ordered by name: Иванов no, Кодов да, Петрова ok, Яковлев empty.
        EXPECT_EQ(okColour(0), QColor(255, 0, 0));
        EXPECT_EQ(okColour(1), QColor(0, 128, 0));
        EXPECT_EQ(okColour(2), QColor(0, 128, 0));
        EXPECT_EQ(okColour(3), QColor(255, 0, 0));
        auto* model = Form1->DBGrid2->gridModel();
        EXPECT_TRUE(model->data(model->index(0, 10), Qt::FontRole).value<QFont>().bold());
        EXPECT_FALSE(model->data(model->index(0, 9), Qt::ForegroundRole).isValid());
    });
}

TEST_F(JournalWindowTest, DayOffFollowsTheDate)
{
    inJournal(kSaturday, [&] {
        EXPECT_TRUE(Form1->CBox1->isChecked());   // opened on a Saturday
        EXPECT_TRUE(Form1->CBox1->font().bold());
        Form1->DateT->setDate(kMonday);
        Form1->DateTChange();
        EXPECT_FALSE(Form1->CBox1->isChecked());
        Form1->DateT->setDate(kSunday);
        Form1->DateTChange();
        EXPECT_TRUE(Form1->CBox1->isChecked());
        Form1->DateT->setDate(kMonday);
        Form1->DateTChange();
        EXPECT_FALSE(Form1->CBox1->isChecked());
        EXPECT_FALSE(Form1->CBox1->font().bold());
    });
}

TEST_F(JournalWindowTest, OpeningOnAWeekdayLeavesDayOffAsItWas)
{
    inJournal(kMonday, [&] {
        Form1->CBox1->setChecked(true);
        modals.on("Form25", [](pf::Form&) { return pf::ModalResult::Cancel; });
        Form1->Button5->click();   // any window closing re-activates the journal
        EXPECT_TRUE(Form1->CBox1->isChecked());
    });
}

TEST_F(JournalWindowTest, DateChangeReadsTheFourShiftsOfThatDate)
{
    plant->addPosition(plant->ivanov, kMonday, 3, 8);
    plant->addPosition(plant->petrova, kMonday.addDays(1), 3, 8);
    inJournal(kMonday, [&] {
        EXPECT_EQ(DataModule6->Smena3->recordCount(), 1);
        Form1->DateT->setDate(kMonday.addDays(1));
        EXPECT_EQ(DataModule6->Smena3->fieldByName("fio").asString(), "Иванов И.И.");   // typing does not reload
        Form1->DateTChange();
        EXPECT_EQ(DataModule6->Smena3->fieldByName("fio").asString(), "Петрова А.С.");
        for (pf::Query* q : DataModule6->shiftQueries())
            EXPECT_EQ(q->paramByName("data").value().toDateTime().date(), kMonday.addDays(1));
    });
}

TEST_F(JournalWindowTest, SwitchingShiftsDoesNotQueryButRefreshDoes)
{
    plant->addPosition(plant->ivanov, kMonday, 2, 8);
    inJournal(kMonday, [&] {
        for (pf::Query* q : DataModule6->shiftQueries())
            countOpens(q);
        Form1->RadioButton2->setChecked(true);
        EXPECT_EQ(Form1->CurSmena, 2);
        EXPECT_EQ(Form1->DBGrid2->dataSource(), Form1->DataSource2);
        EXPECT_TRUE(Form1->RadioButton2->font().bold());
        EXPECT_FALSE(Form1->RadioButton1->font().bold());
        EXPECT_EQ(Form1->DBGrid2->gridModel()->rowCount(), 1);
        Form1->RadioButton4->setChecked(true);
        EXPECT_EQ(Form1->CurSmena, 4);
        EXPECT_TRUE(openCount.empty());
        Form1->Button8->click();
        EXPECT_EQ(openCount[DataModule6->Smena1], 1);
        EXPECT_EQ(openCount[DataModule6->Smena4], 1);
        EXPECT_EQ(Form1->CurSmena, 4);
    });
}

TEST_F(JournalWindowTest, ClosingAWindowReturnsToTodayAndRereads)
{
    inJournal(kMonday, [&] {
        Form1->RadioButton3->setChecked(true);
        Form1->DateT->setDate(kSunday);
        Form1->DateTChange();
        modals.on("Form25", [&](pf::Form&) {
            plant->addPosition(plant->petrova, kMonday, 3, 5);   // entered meanwhile
            return pf::ModalResult::Cancel;
        });
        Form1->Button5->click();
        EXPECT_EQ(Form1->DateT->date(), kMonday);
        EXPECT_TRUE(Form1->RadioButton3->isChecked());
        EXPECT_EQ(Form1->DBGrid2->dataSource(), Form1->DataSource3);
        EXPECT_EQ(DataModule6->Smena3->recordCount(), 1);
    });
}

TEST_F(JournalWindowTest, DoubleClickTogglesTheMarkAndKeepsTheRow)
{
    const int a = plant->addPosition(plant->ivanov, kMonday, 1, 1, 1, 0, "no");
    const int b = plant->addPosition(plant->petrova, kMonday, 1, 1, 1, 0, "да");
    const int extra = db->scalar("insert into accounts_dep.person(fio) values ('Яковлев Я.Я.') returning id").toInt();
    const int c = plant->addPosition(extra, kMonday, 1, 1, 1, 0, "");
    auto mark = [&](int id) {
        return db->scalar(QString("select ok from accounts_dep.smena where id=%1").arg(id)).toString();
    };
    inJournal(kMonday, [&] {
        pf::Query* q = DataModule6->Smena1;
        q->setRecNo(1);
        Form1->DBGrid2DblClick();
        EXPECT_EQ(mark(a), "ok");
        EXPECT_EQ(q->recNo(), 1);
        EXPECT_EQ(okColour(0), QColor(0, 128, 0));
        Form1->DBGrid2DblClick();
        EXPECT_EQ(mark(a), "no");
        EXPECT_EQ(okColour(0), QColor(255, 0, 0));
        q->setRecNo(2);
        Form1->DBGrid2DblClick();
        EXPECT_EQ(mark(b), "no");
        EXPECT_EQ(q->recNo(), 2);
        EXPECT_EQ(Form1->DBGrid2->currentIndex().row(), 1);   // the grid still selects it
        q->setRecNo(3);
        Form1->DBGrid2DblClick();
        EXPECT_EQ(mark(c), "ok");
        EXPECT_EQ(Form1->CurQuery, q);
    });
}

TEST_F(JournalWindowTest, MastersDoubleClickChangesNothing)
{
    const int a = plant->addPosition(plant->ivanov, kMonday, 1, 1, 1, 0, "no");
    inJournal(
        kMonday,
        [&] {
            Form1->DBGrid2DblClick();
            EXPECT_EQ(db->scalar(QString("select ok from accounts_dep.smena where id=%1").arg(a)).toString(), "no");
        },
        build::kWordMaster);
}

TEST_F(JournalWindowTest, DoubleClickOnAnEmptyShiftDoesNothing)
{
    inJournal(kMonday, [&] { Form1->DBGrid2DblClick(); });
}

// Deleting positions, with the timesheet day cell kept up to date.
class DeletePositionTest : public JournalWindowTest {
protected:
    QVariant cell(int worker, int day)
    {
        return db->scalar(QString("select d%1 from accounts_dep.h_tabel where w_id=%2 and smena=1 and month=6 and "
                                  "year=2024")
                              .arg(day)
                              .arg(worker));
    }
};

TEST_F(DeletePositionTest, EmptyJournalAsksNothing)
{
    inJournal(kMonday, [&] { Form1->Button3->click(); });
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DeletePositionTest, AnsweringNoKeepsEverything)
{
    plant->addPosition(plant->ivanov, kMonday, 1, 8);
    db->exec(QString("insert into accounts_dep.h_tabel(smena, w_id, month, year, d3) values (1, %1, 6, 2024, 8)")
                 .arg(plant->ivanov));
    inJournal(kMonday, [&] {
        messages.expect("Удалить позицию из списка?", "Удаление", pf::MsgIcon::Question, pf::MsgResult::No);
        Form1->Button3->click();
        EXPECT_EQ(messages.shown().back().buttons, pf::MsgButtons::YesNo);
        EXPECT_EQ(DataModule6->Smena1->recordCount(), 1);
    });
    EXPECT_EQ(db->count("accounts_dep.smena"), 1);
    EXPECT_EQ(cell(plant->ivanov, 3).toInt(), 8);
}

TEST_F(DeletePositionTest, DeletingTheLastPositionZeroesOnlyThatDay)
{
    plant->addPosition(plant->ivanov, kMonday, 1, 8);
    plant->addPosition(plant->ivanov, kMonday.addDays(1), 1, 7);
    db->exec(QString("insert into accounts_dep.h_tabel(smena, w_id, month, year, d3, d4) values (1, %1, 6, 2024, 8, 7)")
                 .arg(plant->ivanov));
    inJournal(kMonday, [&] {
        messages.expect("Удалить позицию из списка?", "Удаление", pf::MsgIcon::Question, pf::MsgResult::Yes);
        Form1->Button3->click();
        EXPECT_TRUE(DataModule6->Smena1->isEmpty());
    });
    EXPECT_EQ(cell(plant->ivanov, 3), QVariant(0));
    EXPECT_EQ(cell(plant->ivanov, 4).toInt(), 7);
}

TEST_F(DeletePositionTest, DeletingOneOfTwoLeavesTheOthersHours)
{
    plant->addPosition(plant->ivanov, kMonday, 1, 4);
    plant->addPosition(plant->ivanov, kMonday, 1, 3, 20);
    db->exec(QString("insert into accounts_dep.h_tabel(smena, w_id, month, year, d3) values (1, %1, 6, 2024, 7)")
                 .arg(plant->ivanov));
    inJournal(kMonday, [&] {
        messages.expect("Удалить позицию из списка?", "Удаление", pf::MsgIcon::Question, pf::MsgResult::Yes);
        DataModule6->Smena1->setRecNo(2);
        const int hoursLeft = 7 - DataModule6->Smena1->fieldByName("time").asInteger();
        Form1->Button3->click();
        EXPECT_EQ(cell(plant->ivanov, 3).toInt(), hoursLeft);
    });
}

TEST_F(DeletePositionTest, FailedUpkeepUndoesTheDelete)
{
    plant->addPosition(plant->ivanov, kMonday, 1, 8);
    inJournal(kMonday, [&] {
        db->exec("alter table accounts_dep.h_tabel rename to h_tabel_away");
        messages.expect("Удалить позицию из списка?", "Удаление", pf::MsgIcon::Question, pf::MsgResult::Yes);
        messages.expectError("h_tabel");
        Form1->Button3->click();
        EXPECT_FALSE(pf::Application::terminated());
        db->exec("alter table accounts_dep.h_tabel_away rename to h_tabel");
    });
    EXPECT_EQ(db->count("accounts_dep.smena"), 1);
}

}   // namespace
