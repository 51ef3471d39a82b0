#include "price_list.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setCaption(QStringLiteral("Цены (4)"));
}
