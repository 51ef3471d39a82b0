#include "product_list.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setCaption(QStringLiteral("Изделия (3)"));
}
