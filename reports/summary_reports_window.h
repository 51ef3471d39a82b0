#pragma once

#include "platform/ui/form.h"
#include "platform/ui/radio_group.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>

// The summary reports window "Отчеты (8)": a period and a product kind,
// four printed reports and the spreadsheet export of products.
class TForm18 : public pf::Form {
    Q_OBJECT
public:
    explicit TForm18(QWidget* parent = nullptr);

    pf::RadioGroup* RadioGroup1;   // "Вид продукции"
    QGroupBox* GroupBox1;          // "Период отбора"
    QDateEdit* DTPicker1;          // period start (included)
    QDateEdit* DTPicker2;          // first day after the period
    QPushButton* Button2;          // "Отчет по продукции"
    QPushButton* Button4;          // "Отчет по рабочим"
    QPushButton* Button1;          // "Детальный отчет по рабочим"
    QPushButton* Button3;          // "Детальный отчет по продукции"
    QPushButton* Button6;          // "Excel (0 из 0)"
    QPushButton* Button5;          // "Выход"
};

extern TForm18* Form18;
