#include "product_dialog.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setCaption(QStringLiteral("Изделие"));
}
