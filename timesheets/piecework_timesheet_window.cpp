#include "piecework_timesheet_window.h"

TForm27* Form27 = nullptr;

TForm27::TForm27(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form27"));
    setCaption(QStringLiteral("Табель сделка (27)"));
}
