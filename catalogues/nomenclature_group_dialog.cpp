#include "nomenclature_group_dialog.h"

TForm29* Form29 = nullptr;

TForm29::TForm29(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form29"));
    setCaption(QStringLiteral("Ведение групп (29)"));
}
