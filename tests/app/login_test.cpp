#include "kit/kit.h"

#include "app/journal_window.h"
#include "app/login_dialog.h"
#include "app/startup.h"
#include "build_constants.h"
#include "data/data_module.h"
#include "platform/ui/application.h"
#include "reports/summary_reports_window.h"

namespace {

const QString kFull = QLatin1String(build::kWordFullLong);
const QString kFullShort = QLatin1String(build::kWordFullShort);
const QString kPlanner = QLatin1String(build::kWordPlanner);
const QString kMaster = QLatin1String(build::kWordMaster);
const QString kWarehouse = QLatin1String(build::kWordWarehouse);

// Names of the controls a role leaves disabled, on the journal and the reports window.
QStringList disabledJournalControls()
{
    QStringList names;
    for (QWidget* w : {static_cast<QWidget*>(Form1->Button1), static_cast<QWidget*>(Form1->Button2),
                       static_cast<QWidget*>(Form1->Button3), static_cast<QWidget*>(Form1->Button4),
                       static_cast<QWidget*>(Form1->Button5), static_cast<QWidget*>(Form1->Button6),
                       static_cast<QWidget*>(Form1->Button7), static_cast<QWidget*>(Form1->Button8),
                       static_cast<QWidget*>(Form1->RadioButton1), static_cast<QWidget*>(Form1->RadioButton2),
                       static_cast<QWidget*>(Form1->RadioButton3), static_cast<QWidget*>(Form1->RadioButton4),
                       static_cast<QWidget*>(Form1->CBox1), static_cast<QWidget*>(Form1->DBGrid2),
                       static_cast<QWidget*>(Form1->DateT)})
        if (!w->isEnabled())
            names << w->objectName();
    for (QMenu* m : {Form1->N2, Form1->N11, Form1->N7})
        if (!m->menuAction()->isEnabled())
            names << m->objectName();
    return names;
}

QStringList disabledReportControls()
{
    QStringList names;
    for (QWidget* w : {static_cast<QWidget*>(Form18->Button1), static_cast<QWidget*>(Form18->Button2),
                       static_cast<QWidget*>(Form18->Button3), static_cast<QWidget*>(Form18->Button4),
                       static_cast<QWidget*>(Form18->Button5), static_cast<QWidget*>(Form18->Button6),
                       static_cast<QWidget*>(Form18->RadioGroup1)})
        if (!w->isEnabled())
            names << w->objectName();
    return names;
}

struct RoleCase {
    QString word;
    QStringList journal;
    QStringList reports;
    int productKind;
};

class LoginTest : public kit::ClientTest { };

TEST_F(LoginTest, EachRoleDisablesItsControls)
{
    const RoleCase cases[] = {
        {kFull, {}, {}, 0},
        {"  " + kFullShort + " ", {}, {}, 0},
        {kPlanner,
         {"Button1", "Button2", "Button3", "Button8", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
          "CBox1", "DBGrid2", "DateT", "N2", "N11"},
         {},
         0},
        {kMaster, {"Button2", "Button3", "N2", "N11"}, {"Button1", "Button2", "Button4", "Button6"}, 0},
        {kWarehouse,
         {"Button1", "Button2", "Button3", "N2", "N11"},
         {"Button1", "Button2", "Button4", "Button6", "RadioGroup1"},
         1},
    };
    for (const RoleCase& c : cases) {
        SCOPED_TRACE(c.word.toStdString());
        startClient();
        bool shown = false;
        login(c.word, [&] {
            shown = true;
            EXPECT_FALSE(Form23->isVisible());
            EXPECT_EQ(Form1->LoginWord, c.word.trimmed());
            EXPECT_EQ(Form1->CurSmena, 1);
            EXPECT_EQ(disabledJournalControls(), c.journal);
            EXPECT_EQ(disabledReportControls(), c.reports);
            EXPECT_EQ(Form18->RadioGroup1->itemIndex(), c.productKind);
            for (pf::Query* q : DataModule6->shiftQueries())
                EXPECT_EQ(q->paramByName("ok").value().toString(), "ta");
        });
        EXPECT_TRUE(shown);
        // Closing the journal closes the login dialog, which ends the client.
        EXPECT_TRUE(pf::Application::terminated());
        EXPECT_FALSE(Form23->isVisible());
        app::destroyWindows();
        pf::Application::resetTerminated();
    }
}

TEST_F(LoginTest, WrongWordsAreRefusedAndMayBeRetried)
{
    startClient();
    for (const QString& wrong : {QString(), QString("   "), kPlanner.toUpper(), kMaster + "x", QString("0000")}) {
        messages.expect("Введены неверные данные.", "Ошибка", pf::MsgIcon::Error);
        Form23->Edit1->setText(wrong);
        Form23->Button1->click();
        EXPECT_TRUE(Form23->isVisible());
        EXPECT_FALSE(pf::Application::terminated());
        EXPECT_EQ(Form1->LoginWord, wrong.trimmed());
        EXPECT_FALSE(Form1->N11->menuAction()->isEnabled());
    }
    bool shown = false;
    login(kFull, [&] {
        shown = true;
        EXPECT_TRUE(Form1->N11->menuAction()->isEnabled());
    });
    EXPECT_TRUE(shown);
}

TEST_F(LoginTest, CancelEndsTheClient)
{
    startClient();
    Form23->Button2->click();
    EXPECT_TRUE(pf::Application::terminated());
    EXPECT_TRUE(modals.opened().empty());
}

TEST_F(LoginTest, PasswordIsMaskedAndEnterLogsIn)
{
    startClient();
    EXPECT_EQ(Form23->Edit1->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(Form23->Button1->isDefault());
    EXPECT_EQ(Form23->cancelButton(), Form23->Button2);
    EXPECT_EQ(Form23->Timer1->interval(), 5000);
    EXPECT_FALSE(Form23->Timer1->isActive());
}

// The version gate, run when the login dialog activates; the client is stamped 1 June 2024 07:05:09.
class VersionGateTest : public kit::ClientTest {
protected:
    QString stored() { return db->scalar("select d || '.' || t from accounts_dep.ver").toString(); }
};

TEST_F(VersionGateTest, NewerClientRecordsItsStamp)
{
    const struct {
        const char* row;
        const char* after;
    } cases[] = {
        {"0, 0", "20240601.25509"},              // the template's first row
        {"20240601, 25509", "20240601.25509"},   // same stamp: nothing to write
        {"20240601, 25000", "20240601.25509"},   // same day, earlier time
        {"20240531, 86000", "20240601.25509"},   // earlier day, later time of day
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        db->exec(QString("update accounts_dep.ver set (d, t) = (%1)").arg(c.row));
        startClient();
        EXPECT_FALSE(pf::Application::terminated());
        EXPECT_EQ(stored(), c.after);
        EXPECT_EQ(Form23->caption(), "Авторизация (build: 20240601.25509)");
        EXPECT_EQ(Form1->BuildDate, 20240601);
        EXPECT_EQ(Form1->BuildTime, 25509);
        EXPECT_EQ(DataModule6->Delim, ".");
        app::destroyWindows();
    }
}

TEST_F(VersionGateTest, OlderClientIsRefusedAndWritesNothing)
{
    for (const char* row : {"20240602, 100", "20240601, 25510"}) {
        SCOPED_TRACE(row);
        db->exec(QString("update accounts_dep.ver set (d, t) = (%1)").arg(row));
        messages.expect("Версия программы не соответсвует БД! Запустите программу через 5 мин.", "Ошибка",
                        pf::MsgIcon::Error);
        EXPECT_FALSE(app::createWindows({db->name(), "127.0.0.1"}));
        EXPECT_TRUE(pf::Application::terminated());
        EXPECT_TRUE(Form23->Timer1->isActive());   // ends the client even if the message stays open
        EXPECT_EQ(stored(), QString(row).remove(' ').replace(',', '.'));
        app::destroyWindows();
        pf::Application::resetTerminated();
    }
}

TEST_F(VersionGateTest, TimerEndsTheClient)
{
    startClient();
    Form23->Timer1Timer();
    EXPECT_TRUE(pf::Application::terminated());
}

TEST_F(VersionGateTest, EmptyVersionTableGetsTheClientsRow)
{
    db->exec("delete from accounts_dep.ver");
    startClient();
    EXPECT_FALSE(pf::Application::terminated());
    EXPECT_EQ(stored(), "20240601.25509");
    EXPECT_EQ(db->count("accounts_dep.ver"), 1);
    EXPECT_EQ(DataModule6->Delim, "");
    EXPECT_EQ(DataModule6->FixDelim("1,5"), "1.5");
}

}   // namespace
