#include "price_dialog.h"

TForm10* Form10 = nullptr;

TForm10::TForm10(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setCaption(QStringLiteral("Цена операции"));
}
