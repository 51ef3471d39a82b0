#pragma once

#include "platform/db/query.h"
#include "platform/db/table.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/form.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

// The main window "Табель": the shift journal of one date and one shift,
// and the hub from which every other window is opened.
class TForm1 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    int CurSmena = 1;                // selected shift: 1..3, 4 = overtime
    pf::Query* CurQuery = nullptr;   // the shift query the last command worked on
    QString LoginWord;               // the trimmed access word of the login
    int BuildDate = 0;               // build stamp, YYYYMMDD
    int BuildTime = 0;               // build stamp, seconds since midnight

    // Top bar
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QCheckBox* CBox1;
    QDateEdit* DateT;

    pf::DbGrid* DBGrid2;
    pf::DataSource* DataSource1;
    pf::DataSource* DataSource2;
    pf::DataSource* DataSource3;
    pf::DataSource* DataSource4;

    // Bottom bar
    QPushButton* Button1;   // "Добавить", pop-up menu with "Копия"
    QPushButton* Button2;   // "Изменить"
    QPushButton* Button3;   // "Удалить"
    QPushButton* Button6;   // "Покраска"
    QPushButton* Button7;   // "Бригада"
    QPushButton* Button8;   // "Обновить"
    QPushButton* Button5;   // "Ср.сд./хоз. работы"
    QPushButton* Button4;   // "Выход"
    QMenu* PopupMenu1;
    QAction* N21;   // "Копия"

    // Main menu
    QMenuBar* MainMenu1;
    QMenu* N2;      // "Справочники"
    QAction* N1;    // "Рабочие"
    QAction* N3;    // "Изделия"
    QAction* N4;    // "Цены"
    QAction* N6;    // "Операции"
    QAction* N8;    // "Ном. группы"
    QMenu* N11;     // "Табель"
    QAction* N9;    // "Табель сделка"
    QAction* N13;   // "Табель по сменам"
    QMenu* N14;     // "Табель хоз. работ"
    QAction* N20;   // "По людям"
    QAction* N22;   // "По номенклатуре"
    QMenu* N15;     // "Табель ср. сдельная"
    QAction* N18;   // "По людям"
    QAction* N19;   // "По номенклатуре"
    QAction* N17;   // "Общий табель"
    QAction* N23;   // "Общий табель ЗП"
    QMenu* N7;      // "Отчеты"
    QAction* N10;   // "Сводные отчеты"
    QAction* N5;    // "Выход"
    QAction* N12;   // "Импорт" (hidden)
    QAction* N16;   // "Структура БД" (hidden)

    pf::Command* updtOK;   // "update accounts_dep.smena set ok=:ok where id=:id"
    pf::Table* ver;        // accounts_dep.ver: the expected build and the decimal separator

    // Handlers
    void FormActivate();
    void DateTChange();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void CBox1Click();
    void Button8Click();
    void Button1Click();
    void Button2Click();
    void N21Click();
    void Button3Click();
    void DBGrid2DblClick();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void DBGrid2DrawColumnCell(const pf::GridColumn& column, const pf::GridRow& row, pf::CellStyle& style);

    // Menu "Справочники": opens a catalogue window in browse-and-edit mode.
    void N1Click();
    void N3Click();
    void N4Click();
    void N6Click();
    void N8Click();

    pf::Query* shiftQuery() const;   // the query of CurSmena

protected:
    void formActivate() override { FormActivate(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenu();
    void selectShift(int shift, QRadioButton* button);
    void reopenShifts();
    void markDayOff();
    void openWindow(pf::Form* window);
    void showPositionDialog();   // the position dialog over the current shift
};

extern TForm1* Form1;
