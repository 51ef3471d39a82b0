#include "operation_kind_list.h"

TForm8* Form8 = nullptr;

TForm8::TForm8(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setCaption(QStringLiteral("Виды операций (8)"));
}
