#include "login_dialog.h"

#include "app/access_roles.h"
#include "app/build_stamp.h"
#include "app/journal_window.h"
#include "data/data_module.h"
#include "reports/summary_reports_window.h"

#include "platform/ui/application.h"
#include "platform/ui/handler.h"
#include "platform/ui/messages.h"
#include "platform/ui/password_edit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TForm23* Form23 = nullptr;

TForm23::TForm23(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form23"));
    setCaption(QStringLiteral("Авторизация"));

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Введите пароль:"), this);
    layout->addWidget(label);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Пароль"));
    Edit1->setMinimumWidth(340);   // room for the caption with the build stamp
    pf::setPasswordChar(Edit1, QLatin1Char('*'));
    label->setBuddy(Edit1);
    layout->addWidget(Edit1);

    auto* buttons = new QHBoxLayout();
    Button1 = new QPushButton(QStringLiteral("Вход"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Отмена"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    setDefaultButton(Button1);
    Button2->setAutoDefault(false);
    setCancelButton(Button2);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    Timer1->setSingleShot(false);

    pf::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    pf::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    pf::on(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    makeDialogFrame();
}

void TForm23::setShiftFilter()
{
    for (pf::Query* q : DataModule6->shiftQueries())
        q->paramByName(QStringLiteral("ok")).setText(QStringLiteral("ta"));
}

void TForm23::showJournal()
{
    hide();
    Form1->showModal();
    close();
}

void TForm23::Button1Click()
{
    const QString word = Edit1->text().trimmed();
    Form1->CurSmena = 1;
    Form1->LoginWord = word;
    Form1->N11->menuAction()->setEnabled(isFullAccessWord(word));

    const Role role = roleOfWord(word);
    if (role == Role::Refused) {
        setShiftFilter();
        pf::showError(QStringLiteral("Введены неверные данные."));
        return;
    }
    applyRole(role, *Form1, *Form18);
    setShiftFilter();
    showJournal();
}

void TForm23::Button2Click()
{
    close();
}

// The version gate: a newer client records its stamp, an older one is refused.
void TForm23::FormActivate()
{
    const BuildStamp stamp = currentBuildStamp();
    Form1->BuildDate = stamp.date;
    Form1->BuildTime = stamp.time;

    pf::Table& ver = *Form1->ver;
    ver.open();
    ver.first();
    DataModule6->Delim = ver.fieldByName(QStringLiteral("delim")).asString();
    auto storedD = [&ver] { return ver.fieldByName(QStringLiteral("d")).asInteger(); };
    auto storedT = [&ver] { return ver.fieldByName(QStringLiteral("t")).asInteger(); };
    if (storedD() < stamp.date || (storedD() == stamp.date && storedT() < stamp.time)) {
        ver.edit();
        ver.fieldByName(QStringLiteral("d")).setAsInteger(stamp.date);
        ver.fieldByName(QStringLiteral("t")).setAsInteger(stamp.time);
        ver.post();
        ver.first();
    }
    if (storedD() > stamp.date || (storedD() == stamp.date && storedT() > stamp.time)) {
        Timer1->start();
        pf::showError(QStringLiteral("Версия программы не соответсвует БД! Запустите программу через 5 мин."));
        pf::Application::terminate();
    }
    ver.close();

    setCaption(QStringLiteral("Авторизация (build: %1.%2)").arg(stamp.date).arg(stamp.time));
}

void TForm23::Timer1Timer()
{
    pf::Application::terminate();
}
