#include "kit/kit.h"

#include "app/journal_window.h"
#include "app/login_dialog.h"
#include "app/startup.h"
#include "journal/average_rate_chooser.h"
#include "build_constants.h"
#include "data/data_module.h"
#include "platform/ui/application.h"

#include <QApplication>

namespace {

const QString kOptions = QStringLiteral(
    ";PORT=5432;UID=sys;PWD=%1;SSLmode=allow;"
    "ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
    "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;"
    "Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;"
    "ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;"
    "TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;"
    "OptionalErrors=0;XaOpt=1");

QString expected(const QString& database, const QString& server)
{
    return "DRIVER={PostgreSQL UNICODE};DATABASE=" + database + ";SERVER=" + server +
        kOptions.arg(QLatin1String(build::kDbPassword));
}

TEST(ConnectionString, FromTheCommandLineOrTheDefault)
{
    const QString defaultServer = QLatin1String(build::kDefaultServer);
    struct Case {
        QStringList params;
        QString database, server;
    } cases[] = {
        {{}, "brusk_erp", defaultServer},                     // no parameters
        {{"other_db"}, "brusk_erp", defaultServer},           // parameter 1 alone is ignored
        {{"other_db", ""}, "brusk_erp", defaultServer},       // empty parameter 2 too
        {{"other_db", "10.1.2.3"}, "other_db", "10.1.2.3"},   // both given
        {{"", "db.plant.local"}, "", "db.plant.local"},       // empty database name kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::connectionString(c.params).toStdString(), expected(c.database, c.server).toStdString())
            << c.params.join('|').toStdString();
    EXPECT_FALSE(app::connectionString(QStringList()).endsWith(';'));
}

class StartupTest : public kit::ClientTest { };

TEST_F(StartupTest, UnreachableServerShowsOneMessageAndEnds)
{
    messages.expect("Подключение к БД отсутсвует!!!", "Ошибка!", pf::MsgIcon::Error);
    EXPECT_FALSE(app::createWindows({"brusk_erp", "127.0.0.9"}));
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(pf::Application::terminated());
    EXPECT_EQ(Form23, nullptr);   // no login dialog
    ASSERT_NE(Form1, nullptr);
    EXPECT_EQ(Form1->CurQuery, DataModule6->Smena1);
    EXPECT_NE(Form135, nullptr);   // the other windows are still created
    EXPECT_TRUE(modals.opened().empty());
}

TEST_F(StartupTest, EveryWindowIsCreatedOnceAndTheLoginShows)
{
    startClient();
    ASSERT_NE(Form23, nullptr);
    EXPECT_TRUE(Form23->isVisible());
    EXPECT_TRUE(Form23->caption().startsWith("Авторизация (build: "));
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(DataModule6->ADO_DB->connected());
    EXPECT_EQ(Form1->CurQuery, DataModule6->Smena1);
    EXPECT_EQ(pf::Application::mainForm(), Form23);

    const std::pair<const char*, const char*> windows[] = {
        {"Form1", "Табель"},
        {"Form2", "Работники"},
        {"Form3", "Изделия (3)"},
        {"Form4", "Цены (4)"},
        {"Form5", "Список рабочих"},
        {"Form7", "Изделие"},
        {"Form8", "Виды операций (8)"},
        {"Form18", "Отчеты (8)"},
        {"Form19", "Табель по времени"},
        {"Form22", "Норматив"},
        {"Form24", "Хоз. работы/среднесдельная (24)"},
        {"Form25", "Хоз. работы (25)"},
        {"Form26", "Номенклатура (26)"},
        {"Form27", "Табель сделка (27)"},
        {"Form29", "Ведение групп (29)"},
        {"Form31", "Табель по номенклатурным группам (31)"},
        {"Form30", "Общий табель ЗП (30)"},
        {"Form132", "Ввод данных (132)"},
        {"Form134", "Выбор операции (134)"},
        {"Form135", "Среднесдельная (135)"},
    };
    QStringList seen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<pf::Form*>(w))
            seen << f->objectName();
    for (const auto& [name, caption] : windows) {
        EXPECT_EQ(seen.count(name), 1) << name;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name))
                EXPECT_EQ(w->windowTitle().toStdString(), caption);
    }
    EXPECT_EQ(seen.size(), 30);
}

}   // namespace
