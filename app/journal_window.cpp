#include "journal_window.h"

#include "app/access_roles.h"
#include "app/login_dialog.h"
#include "app/startup.h"
#include "catalogues/nomenclature_group_list.h"
#include "catalogues/operation_kind_list.h"
#include "catalogues/price_list.h"
#include "catalogues/product_list.h"
#include "catalogues/worker_list.h"
#include "data/data_module.h"
#include "journal/distribution_window.h"
#include "journal/shift_position_dialog.h"
#include "reports/summary_reports_window.h"
#include "timesheets/nomenclature_timesheet_window.h"
#include "timesheets/payroll_timesheet_window.h"
#include "timesheets/piecework_timesheet_window.h"
#include "timesheets/shift_timesheet_window.h"
#include "timesheets/day_cell_upkeep.h"
#include "utility/utility_journal_window.h"

#include "platform/ui/application.h"
#include "platform/ui/handler.h"
#include "platform/ui/messages.h"
#include "platform/sql/sql_text.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

TForm1* Form1 = nullptr;

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

// The journal grid's columns, in order.
QVector<pf::GridColumn> journalColumns()
{
    const auto centre = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    return {
        {QStringLiteral("fio"), QStringLiteral("Фамилия И.О."), 170, left},
        {QStringLiteral("marka"), QStringLiteral("Марка изделия"), 130, left},
        {QStringLiteral("vid"), QStringLiteral("Операция"), 150, left},
        {QStringLiteral("nmn"), QStringLiteral("Вид"), 135, left},
        {QStringLiteral("color"), QStringLiteral("Цвет"), 60, centre},
        {QStringLiteral("time"), QStringLiteral("Часы"), 50, right},
        {QStringLiteral("kol_vo"), QStringLiteral("Кол-во"), 70, right},
        {QStringLiteral("brak"), QStringLiteral("Брак"), 50, right},
        {QStringLiteral("summa"), QStringLiteral("Итого (р.)"), 90, right},
        {QStringLiteral("prize"), QStringLiteral("Премия (%)"), 80, right, false},
        {QStringLiteral("ok"), QStringLiteral("OK"), 45, centre},
        {QStringLiteral("vvod"), QStringLiteral("Заведен"), 150, centre},
    };
}

bool isWeekend(const QDate& date)
{
    return date.dayOfWeek() == Qt::Saturday || date.dayOfWeek() == Qt::Sunday;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QAction* makeAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* makeMenu(QWidget* owner, const char* name, const QString& caption)
{
    auto* m = new QMenu(caption, owner);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

}   // namespace

TForm1::TForm1(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setCaption(QStringLiteral("Табель"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    resize(1200, 650);

    // Creation: the data module, the connection from the command line,
    // then the login dialog, which thereby becomes the main window.
    DataModule6 = new TDataModule6();
    const QStringList params = app::commandLineParams();
    pf::Application::setMainForm(this);
    try {
        DataModule6->ADO_DB->close();
        DataModule6->ADO_DB->setConnectionString(app::connectionString(params));
        DataModule6->ADO_DB->open();
        Form23 = new TForm23();
        pf::Application::setMainForm(Form23);
    } catch (const std::exception&) {
        pf::messageBox(QStringLiteral("Подключение к БД отсутсвует!!!"), QStringLiteral("Ошибка!"), pf::MsgIcon::Error);
        pf::Application::terminate();
        close();
    }
    CurQuery = DataModule6->Smena1;

    updtOK = new pf::Command(this);
    updtOK->setObjectName(QStringLiteral("updtOK"));
    updtOK->setConnection(DataModule6->ADO_DB);
    updtOK->setCommandText(QStringLiteral("update accounts_dep.smena set ok=:ok where id=:id"));

    ver = new pf::Table(this);
    ver->setObjectName(QStringLiteral("ver"));
    ver->setConnection(DataModule6->ADO_DB);
    ver->setTableName(QStringLiteral("accounts_dep.ver"));

    createControls();
    createMenu();
}

void TForm1::createControls()
{
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout();
    RadioButton1 = new QRadioButton(QStringLiteral("Смена №1"), this);
    RadioButton2 = new QRadioButton(QStringLiteral("Смена №2"), this);
    RadioButton3 = new QRadioButton(QStringLiteral("Смена №3"), this);
    RadioButton4 = new QRadioButton(QStringLiteral("Переработка"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    RadioButton4->setObjectName(QStringLiteral("RadioButton4"));
    CBox1 = new QCheckBox(QStringLiteral("Выходной"), this);
    CBox1->setObjectName(QStringLiteral("CBox1"));
    DateT = new QDateEdit(pf::Application::today(), this);
    DateT->setObjectName(QStringLiteral("DateT"));
    DateT->setCalendarPopup(true);
    DateT->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateT->setAccessibleName(QStringLiteral("Дата"));
    DateT->installEventFilter(this);
    for (QWidget* w :
         {static_cast<QWidget*>(RadioButton1), static_cast<QWidget*>(RadioButton2), static_cast<QWidget*>(RadioButton3),
          static_cast<QWidget*>(RadioButton4), static_cast<QWidget*>(CBox1), static_cast<QWidget*>(DateT)}) {
        top->addWidget(w);
    }
    top->addStretch();
    layout->addLayout(top);

    DataSource1 = new pf::DataSource(DataModule6->Smena1, this);
    DataSource2 = new pf::DataSource(DataModule6->Smena2, this);
    DataSource3 = new pf::DataSource(DataModule6->Smena3, this);
    DataSource4 = new pf::DataSource(DataModule6->Smena4, this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource2->setObjectName(QStringLiteral("DataSource2"));
    DataSource3->setObjectName(QStringLiteral("DataSource3"));
    DataSource4->setObjectName(QStringLiteral("DataSource4"));

    DBGrid2 = new pf::DbGrid(this);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setAccessibleName(QStringLiteral("Журнал смены"));
    DBGrid2->setColumns(journalColumns());
    DBGrid2->setDataSource(DataSource1);
    DBGrid2->setDrawCellHook(
        [this](const pf::GridColumn& c, const pf::GridRow& r, pf::CellStyle& s) { DBGrid2DrawColumnCell(c, r, s); });
    layout->addWidget(DBGrid2, 1);

    auto* bottom = new QHBoxLayout();
    Button1 = makeButton(this, "Button1", QStringLiteral("Добавить"));
    Button2 = makeButton(this, "Button2", QStringLiteral("Изменить"));
    Button3 = makeButton(this, "Button3", QStringLiteral("Удалить"));
    Button6 = makeButton(this, "Button6", QStringLiteral("Покраска"));
    Button7 = makeButton(this, "Button7", QStringLiteral("Бригада"));
    Button8 = makeButton(this, "Button8", QStringLiteral("Обновить"));
    Button5 = makeButton(this, "Button5", QStringLiteral("Ср.сд./хоз. работы"));
    Button4 = makeButton(this, "Button4", QStringLiteral("Выход"));
    for (QPushButton* b : {Button1, Button2, Button3, Button6, Button7})
        bottom->addWidget(b);
    bottom->addStretch();
    for (QPushButton* b : {Button8, Button5, Button4})
        bottom->addWidget(b);
    layout->addLayout(bottom);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N21 = makeAction(PopupMenu1, "N21", QStringLiteral("Копия"));
    Button1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Button1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Button1->mapToGlobal(at)); });

    setCancelButton(Button4);
    setButtonResult(Button4, pf::ModalResult::Cancel);

    RadioButton1->setChecked(true);
    selectShift(1, RadioButton1);
    CBox1Click();

    pf::on(RadioButton1, &QRadioButton::toggled, this, [this] { RadioButton1Click(); });
    pf::on(RadioButton2, &QRadioButton::toggled, this, [this] { RadioButton2Click(); });
    pf::on(RadioButton3, &QRadioButton::toggled, this, [this] { RadioButton3Click(); });
    pf::on(RadioButton4, &QRadioButton::toggled, this, [this] { RadioButton4Click(); });
    pf::on(CBox1, &QCheckBox::toggled, this, [this] { CBox1Click(); });
    // The journal reloads when the calendar closes on a date, not while a date is typed.
    auto calendarClosed = [this] { QTimer::singleShot(0, this, [this] { pf::guarded([this] { DateTChange(); }); }); };
    connect(DateT->calendarWidget(), &QCalendarWidget::clicked, this, calendarClosed);
    connect(DateT->calendarWidget(), &QCalendarWidget::activated, this, calendarClosed);
    pf::on(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
    pf::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    pf::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    pf::on(N21, &QAction::triggered, this, [this] { N21Click(); });
    pf::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    pf::on(DBGrid2, &pf::DbGrid::rowDoubleClicked, this, [this] { DBGrid2DblClick(); });
    pf::on(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    pf::on(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    pf::on(Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
}

void TForm1::createMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    layout()->setMenuBar(MainMenu1);

    N2 = makeMenu(this, "N2", QStringLiteral("Справочники"));
    N1 = makeAction(N2, "N1", QStringLiteral("Рабочие"));
    N3 = makeAction(N2, "N3", QStringLiteral("Изделия"));
    N4 = makeAction(N2, "N4", QStringLiteral("Цены"));
    N6 = makeAction(N2, "N6", QStringLiteral("Операции"));
    N8 = makeAction(N2, "N8", QStringLiteral("Ном. группы"));
    MainMenu1->addMenu(N2);

    N11 = makeMenu(this, "N11", QStringLiteral("Табель"));
    N9 = makeAction(N11, "N9", QStringLiteral("Табель сделка"));
    N13 = makeAction(N11, "N13", QStringLiteral("Табель по сменам"));
    N14 = makeMenu(this, "N14", QStringLiteral("Табель хоз. работ"));
    N20 = makeAction(N14, "N20", QStringLiteral("По людям"));
    N22 = makeAction(N14, "N22", QStringLiteral("По номенклатуре"));
    N11->addMenu(N14);
    N15 = makeMenu(this, "N15", QStringLiteral("Табель ср. сдельная"));
    N18 = makeAction(N15, "N18", QStringLiteral("По людям"));
    N19 = makeAction(N15, "N19", QStringLiteral("По номенклатуре"));
    N11->addMenu(N15);
    N17 = makeAction(N11, "N17", QStringLiteral("Общий табель"));
    N23 = makeAction(N11, "N23", QStringLiteral("Общий табель ЗП"));
    MainMenu1->addMenu(N11);

    N7 = makeMenu(this, "N7", QStringLiteral("Отчеты"));
    N10 = makeAction(N7, "N10", QStringLiteral("Сводные отчеты"));
    MainMenu1->addMenu(N7);

    N5 = MainMenu1->addAction(QStringLiteral("Выход"));
    N5->setObjectName(QStringLiteral("N5"));
    N12 = MainMenu1->addAction(QStringLiteral("Импорт"));
    N12->setObjectName(QStringLiteral("N12"));
    N12->setVisible(false);
    N16 = MainMenu1->addAction(QStringLiteral("Структура БД"));
    N16->setObjectName(QStringLiteral("N16"));
    N16->setVisible(false);

    pf::on(N1, &QAction::triggered, this, [this] { N1Click(); });
    pf::on(N3, &QAction::triggered, this, [this] { N3Click(); });
    pf::on(N4, &QAction::triggered, this, [this] { N4Click(); });
    pf::on(N6, &QAction::triggered, this, [this] { N6Click(); });
    pf::on(N8, &QAction::triggered, this, [this] { N8Click(); });
    pf::on(N9, &QAction::triggered, this, [this] { openWindow(Form27); });
    pf::on(N13, &QAction::triggered, this, [this] { openWindow(Form19); });
    pf::on(N20, &QAction::triggered, this, [this] { openWindow(Form27); });
    pf::on(N22, &QAction::triggered, this, [this] { openWindow(Form31); });
    pf::on(N18, &QAction::triggered, this, [this] { openWindow(Form27); });
    pf::on(N19, &QAction::triggered, this, [this] { openWindow(Form31); });
    pf::on(N17, &QAction::triggered, this, [this] { openWindow(Form27); });
    pf::on(N23, &QAction::triggered, this, [this] { openWindow(Form30); });
    pf::on(N10, &QAction::triggered, this, [this] { openWindow(Form18); });
    connect(N5, &QAction::triggered, this, [this] { close(); });
}

pf::Query* TForm1::shiftQuery() const
{
    return DataModule6->shiftQuery(CurSmena);
}

void TForm1::openWindow(pf::Form* window)
{
    if (window)
        window->showModal();
}

void TForm1::reopenShifts()
{
    for (pf::Query* q : DataModule6->shiftQueries())
        q->close();
    for (pf::Query* q : DataModule6->shiftQueries()) {
        q->paramByName(QStringLiteral("data")).setDate(DateT->date());
        q->open();
    }
}

void TForm1::FormActivate()
{
    DateT->setDate(pf::Application::today());
    if (isWeekend(DateT->date()))
        CBox1->setChecked(true);   // never unchecked here
    reopenShifts();
}

void TForm1::DateTChange()
{
    {
        pf::HourglassCursor hourglass;
        reopenShifts();
        CBox1->setChecked(isWeekend(DateT->date()));
    }
    DBGrid2->setFocus();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DateT && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pf::guarded([this] { DateTChange(); });
            return true;
        }
    }
    return pf::Form::eventFilter(watched, event);
}

void TForm1::selectShift(int shift, QRadioButton* button)
{
    pf::DataSource* const sources[] = {DataSource1, DataSource2, DataSource3, DataSource4};
    DBGrid2->setDataSource(sources[shift - 1]);
    for (QRadioButton* b : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        QFont f = b->font();
        f.setBold(b == button);
        b->setFont(f);
        b->setStyleSheet(b == button ? QStringLiteral("QRadioButton { background-color: rgb(0,128,0); color: white; "
                                                      "padding: 2px 4px; }")
                                     : QString());
    }
    CurSmena = shift;
}

void TForm1::RadioButton1Click()
{
    if (RadioButton1->isChecked())
        selectShift(1, RadioButton1);
}

void TForm1::RadioButton2Click()
{
    if (RadioButton2->isChecked())
        selectShift(2, RadioButton2);
}

void TForm1::RadioButton3Click()
{
    if (RadioButton3->isChecked())
        selectShift(3, RadioButton3);
}

void TForm1::RadioButton4Click()
{
    if (RadioButton4->isChecked())
        selectShift(4, RadioButton4);
}

void TForm1::CBox1Click()
{
    QFont f = CBox1->font();
    f.setBold(CBox1->isChecked());
    CBox1->setFont(f);
    CBox1->setStyleSheet(
        CBox1->isChecked()
            ? QStringLiteral("QCheckBox { background-color: rgb(255,0,0); color: white; padding: 2px 4px; }")
            : QString());
}

void TForm1::Button8Click()
{
    pf::HourglassCursor hourglass;
    reopenShifts();
}

void TForm1::DBGrid2DrawColumnCell(const pf::GridColumn& column, const pf::GridRow& row, pf::CellStyle& style)
{
    if (column.field.compare(QLatin1String("ok"), Qt::CaseInsensitive) != 0)
        return;
    const QString ok = row.fieldByName(QStringLiteral("ok")).asString();
    style.font.setBold(true);
    style.foreground = (ok == QLatin1String("ok") || ok == QStringLiteral("да")) ? kGreen : kRed;
}

void TForm1::showPositionDialog()
{
    CurQuery = shiftQuery();
    Form11->showModal();
}

void TForm1::Button1Click()
{
    showPositionDialog();
}

void TForm1::Button2Click()
{
    showPositionDialog();
}

void TForm1::N21Click()
{
    showPositionDialog();
}

void TForm1::Button3Click()
{
    pf::Query* q = shiftQuery();
    CurQuery = q;
    const QString id = q->fieldByName(QStringLiteral("id")).asString();
    if (id.isEmpty())
        return;
    DataModule6->DelSmena->setCommandText(QStringLiteral("delete from accounts_dep.smena where id=") +
                                          pf::sql::number(q->fieldByName(QStringLiteral("id")).asLargeInt()));
    const bool confirmed = pf::messageBox(QStringLiteral("Удалить позицию из списка?"), QStringLiteral("Удаление"),
                                          pf::MsgIcon::Question, pf::MsgButtons::YesNo) == pf::MsgResult::Yes;
    if (confirmed) {
        // The cell of the position's own date, even when the picker was retyped since.
        const upkeep::ShiftCell cell{q->fieldByName(QStringLiteral("w_id")).asLargeInt(), CurSmena,
                                     q->fieldByName(QStringLiteral("data")).asDate()};
        pf::Transaction transaction(*DataModule6->ADO_DB);   // the delete and its upkeep hold together
        DataModule6->DelSmena->execute();
        upkeep::afterDelete(*DataModule6, cell);
        transaction.commit();
    }
    q->close();
    q->open();
}

void TForm1::DBGrid2DblClick()
{
    if (LoginWord == masterWord())
        return;
    CurQuery = shiftQuery();
    if (CurQuery->isEmpty())
        return;
    const QString ok = CurQuery->fieldByName(QStringLiteral("ok")).asString();
    const bool accepted = ok == QStringLiteral("да") || ok == QLatin1String("ok");
    updtOK->paramByName(QStringLiteral("id")).setInteger(CurQuery->fieldByName(QStringLiteral("id")).asLargeInt());
    updtOK->paramByName(QStringLiteral("ok")).setText(accepted ? QStringLiteral("no") : QStringLiteral("ok"));
    updtOK->execute();
    const int row = CurQuery->recNo();
    CurQuery->close();
    CurQuery->open();
    CurQuery->setRecNo(row);
}

void TForm1::Button5Click()
{
    Form25->showModal();
}

void TForm1::Button6Click()
{
    Form33->showModal();
}

void TForm1::Button7Click()
{
    Form33->showModal();
}

void TForm1::N1Click()
{
    Form5->Tag = 0;
    DataModule6->Workers->open();
    Form5->showModal();
    DataModule6->Workers->close();
}

void TForm1::N3Click()
{
    Form3->Tag = 0;
    DataModule6->Izdel->open();
    Form3->showModal();
    DataModule6->Izdel->close();
}

void TForm1::N4Click()
{
    Form4->Tag = 0;
    DataModule6->Oper->open();
    Form4->showModal();
    DataModule6->Oper->close();
}

void TForm1::N6Click()
{
    Form8->Tag = 0;
    DataModule6->Vid_oper->setFiltered(false);
    DataModule6->Vid_oper->open();
    Form8->showModal();
    DataModule6->Vid_oper->close();
}

void TForm1::N8Click()
{
    Form26->Tag = 0;
    Form26->showModal();
}
