#include "shift_timesheet_window.h"

TForm19* Form19 = nullptr;

TForm19::TForm19(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form19"));
    setCaption(QStringLiteral("Табель по времени"));
}
