#include "nomenclature_group_list.h"

TForm26* Form26 = nullptr;

TForm26::TForm26(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form26"));
    setCaption(QStringLiteral("Номенклатура (26)"));
}
