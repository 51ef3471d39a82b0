#include "month_timesheet_report.h"

TForm15* Form15 = nullptr;

TForm15::TForm15(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form15"));
    setCaption(QStringLiteral("Табель"));
}
