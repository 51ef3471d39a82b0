#include "kit.h"

#include "app/build_stamp.h"
#include "app/journal_window.h"
#include "app/login_dialog.h"
#include "app/startup.h"
#include "platform/db/db_error.h"
#include "platform/ui/application.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <unistd.h>

namespace kit {

namespace {

QAtomicInt databaseCounter;

// The server's maintenance database, reached the way the client connects.
pf::Connection& adminConnection()
{
    static pf::Connection* admin = [] {
        auto* c = new pf::Connection();
        c->setConnectionString(app::connectionString(QStringLiteral("postgres"), QStringLiteral("127.0.0.1")));
        c->open();
        return c;
    }();
    return *admin;
}

}   // namespace

TestDatabase::TestDatabase()
    : name_(QStringLiteral("tabel_t%1_%2").arg(getpid()).arg(databaseCounter.fetchAndAddRelaxed(1)))
{
    adminConnection().execute(QStringLiteral("drop database if exists %1 with (force)").arg(name_));
    adminConnection().execute(QStringLiteral("create database %1 template tabel_template").arg(name_));
    connection_.setConnectionString(connectionString());
    connection_.open();
}

TestDatabase::~TestDatabase()
{
    connection_.close();
    // A plain drop waits for closing sessions and stops autovacuum, which a
    // forced drop may not signal; force is the fallback for a leaked session.
    try {
        adminConnection().execute(QStringLiteral("drop database if exists %1").arg(name_));
    } catch (const pf::DbError&) {
        try {
            adminConnection().execute(QStringLiteral("drop database if exists %1 with (force)").arg(name_));
        } catch (const pf::DbError& e) {
            ADD_FAILURE() << "cannot drop " << name_.toStdString() << ": " << e.what();
        }
    }
}

QString TestDatabase::connectionString() const
{
    return app::connectionString(name_, QStringLiteral("127.0.0.1"));
}

void TestDatabase::exec(const QString& sql)
{
    connection_.execute(sql);
}

QVariant TestDatabase::scalar(const QString& sql)
{
    pf::Query q;
    q.setConnection(&connection_);
    q.setSql(sql);
    q.open();
    return q.isEmpty() ? QVariant() : q.value(0, 0);
}

int TestDatabase::count(const QString& fromWhere)
{
    return scalar(QStringLiteral("select count(*) from ") + fromWhere).toInt();
}

pf::MsgResult ScriptedMessages::show(const QString& text, const QString& caption, pf::MsgIcon icon,
                                     pf::MsgButtons buttons)
{
    shown_.push_back({text, caption, icon, buttons});
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << text.toStdString() << "\" (" << caption.toStdString() << ")";
        return buttons == pf::MsgButtons::YesNo ? pf::MsgResult::No : pf::MsgResult::Ok;
    }
    const Expected e = expected_.front();
    expected_.pop_front();
    if (e.fragment)
        EXPECT_TRUE(text.contains(e.text)) << text.toStdString() << " lacks " << e.text.toStdString();
    else
        EXPECT_EQ(e.text.toStdString(), text.toStdString());
    EXPECT_EQ(e.caption.toStdString(), caption.toStdString());
    if (e.checkIcon)
        EXPECT_EQ(static_cast<int>(e.icon), static_cast<int>(icon)) << "icon of \"" << text.toStdString() << "\"";
    return e.answer;
}

void ScriptedMessages::expect(const QString& text, const QString& caption, pf::MsgResult answer)
{
    expected_.push_back({text, caption, answer, pf::MsgIcon::None, false, false});
}

void ScriptedMessages::expect(const QString& text, const QString& caption, pf::MsgIcon icon, pf::MsgResult answer)
{
    expected_.push_back({text, caption, answer, icon, true, false});
}

void ScriptedMessages::expectError(const QString& fragment)
{
    expected_.push_back({fragment, QStringLiteral("Ошибка"), pf::MsgResult::Ok, pf::MsgIcon::Error, true, true});
}

void ScriptedMessages::verifyDone()
{
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected message box not shown: \"" << e.text.toStdString() << "\"";
    expected_.clear();
}

void ScriptedMessages::clear()
{
    expected_.clear();
    shown_.clear();
}

pf::ModalResult ModalScript::run(pf::Form& form)
{
    opened_.push_back(form.objectName());
    const auto it = handlers_.find(form.objectName());
    if (it == handlers_.end()) {
        ADD_FAILURE() << "unexpected modal window " << form.objectName().toStdString() << " \""
                      << form.caption().toStdString() << "\"";
        return pf::ModalResult::Cancel;
    }
    const Handler handler = it->second;   // a handler may replace itself
    return handler(form);
}

void UiTest::SetUp()
{
    pf::Application::resetTerminated();
    pf::setMessageService(&messages);
    pf::setModalDriver([this](pf::Form& form) { return modals.run(form); });
}

void UiTest::TearDown()
{
    messages.verifyDone();
    pf::setModalDriver({});
    pf::setMessageService(nullptr);
    pf::Application::setToday(QDate());
    pf::Application::resetTerminated();
}

void ClientTest::SetUp()
{
    UiTest::SetUp();
    setBuildStampTexts("Jun  1 2024", "07:05:09");
    db = std::make_unique<TestDatabase>();
}

void ClientTest::TearDown()
{
    app::destroyWindows();
    db.reset();
    UiTest::TearDown();
}

void ClientTest::startClient()
{
    app::createWindows({db->name(), QStringLiteral("127.0.0.1")});
}

void ClientTest::login(const QString& word, std::function<void()> inJournal)
{
    modals.on(QStringLiteral("Form1"), [inJournal](pf::Form&) {
        if (inJournal)
            inJournal();
        return pf::ModalResult::Cancel;
    });
    Form23->Edit1->setText(word);
    Form23->Button1->click();
}

}   // namespace kit
