#include "nomenclature_timesheet_window.h"

TForm31* Form31 = nullptr;

TForm31::TForm31(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form31"));
    setCaption(QStringLiteral("Табель по номенклатурным группам (31)"));
}
