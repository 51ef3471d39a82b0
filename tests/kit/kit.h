#pragma once

#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/ui/form.h"
#include "platform/ui/messages.h"

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <functional>
#include <map>

namespace kit {

// A fresh database made from the schema template, dropped at the end.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const QString& name() const { return name_; }
    QString connectionString() const;
    pf::Connection& connection() { return connection_; }

    void exec(const QString& sql);         // throws pf::DbError
    QVariant scalar(const QString& sql);   // first column of the first row, or invalid
    int count(const QString& fromWhere);   // select count(*) from <fromWhere>

private:
    QString name_;
    pf::Connection connection_;
};

// Message boxes a test expects, answered in order; any other one fails the test.
class ScriptedMessages : public pf::MessageService {
public:
    struct Expected {
        QString text;
        QString caption;
        pf::MsgResult answer;
        pf::MsgIcon icon;
        bool checkIcon;
        bool fragment;   // text need only contain `text`
    };
    struct Shown {
        QString text;
        QString caption;
        pf::MsgIcon icon;
        pf::MsgButtons buttons;
    };

    pf::MsgResult show(const QString& text, const QString& caption, pf::MsgIcon icon, pf::MsgButtons buttons) override;

    void expect(const QString& text, const QString& caption, pf::MsgResult answer = pf::MsgResult::Ok);
    void expect(const QString& text, const QString& caption, pf::MsgIcon icon,
                pf::MsgResult answer = pf::MsgResult::Ok);
    // An error box whose text contains the fragment (a server's message).
    void expectError(const QString& fragment);
    void verifyDone();   // every expected message was shown
    const std::vector<Shown>& shown() const { return shown_; }
    void clear();

private:
    std::deque<Expected> expected_;
    std::vector<Shown> shown_;
};

// Acts inside modal windows: a handler per window object name.
class ModalScript {
public:
    using Handler = std::function<pf::ModalResult(pf::Form&)>;
    void on(const QString& formName, Handler handler) { handlers_[formName] = std::move(handler); }
    void clear() { handlers_.clear(); }
    pf::ModalResult run(pf::Form& form);
    const std::vector<QString>& opened() const { return opened_; }

private:
    std::map<QString, Handler> handlers_;
    std::vector<QString> opened_;
};

// Base fixture: scripted message boxes and modal windows, no real dialogs.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ScriptedMessages messages;
    ModalScript modals;
};

// A fresh database and the whole client started on it, as start-up makes it.
class ClientTest : public UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates every window against the test database; the login dialog shows.
    void startClient();
    // Types the word into the login dialog and clicks "Вход"; the journal
    // window then runs `inJournal` while shown modally.
    void login(const QString& word, std::function<void()> inJournal = {});

    std::unique_ptr<TestDatabase> db;
};

}   // namespace kit
