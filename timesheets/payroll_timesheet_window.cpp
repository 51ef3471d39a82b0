#include "payroll_timesheet_window.h"

TForm30* Form30 = nullptr;

TForm30::TForm30(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form30"));
    setCaption(QStringLiteral("Общий табель ЗП (30)"));
}
