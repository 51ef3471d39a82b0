#include "summary_reports_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TForm18* Form18 = nullptr;

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QDateEdit* makeDate(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* d = new QDateEdit(QDate::currentDate(), parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    d->setAccessibleName(accessibleName);
    return d;
}

}   // namespace

TForm18::TForm18(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setCaption(QStringLiteral("Отчеты (8)"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    RadioGroup1 = new pf::RadioGroup(
        QStringLiteral("Вид продукции"),
        {QStringLiteral("Все"), QStringLiteral("Готовая продукция"), QStringLiteral("Заготовки")}, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    top->addWidget(RadioGroup1);

    GroupBox1 = new QGroupBox(QStringLiteral("Период отбора"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* period = new QFormLayout(GroupBox1);
    DTPicker1 = makeDate(GroupBox1, "DTPicker1", QStringLiteral("с"));
    DTPicker2 = makeDate(GroupBox1, "DTPicker2", QStringLiteral("по"));
    period->addRow(QStringLiteral("с"), DTPicker1);
    period->addRow(QStringLiteral("по"), DTPicker2);
    top->addWidget(GroupBox1);
    layout->addLayout(top);

    Button2 = makeButton(this, "Button2", QStringLiteral("Отчет по продукции"));
    Button4 = makeButton(this, "Button4", QStringLiteral("Отчет по рабочим"));
    Button1 = makeButton(this, "Button1", QStringLiteral("Детальный отчет по рабочим"));
    Button3 = makeButton(this, "Button3", QStringLiteral("Детальный отчет по продукции"));
    Button6 = makeButton(this, "Button6", QStringLiteral("Excel (0 из 0)"));
    Button5 = makeButton(this, "Button5", QStringLiteral("Выход"));
    for (QPushButton* b : {Button2, Button4, Button1, Button3, Button6, Button5})
        layout->addWidget(b);

    setCancelButton(Button5);
    setButtonResult(Button5, pf::ModalResult::Cancel);
    makeDialogFrame();
}
