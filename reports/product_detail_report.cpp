#include "product_detail_report.h"

TForm21* Form21 = nullptr;

TForm21::TForm21(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form21"));
    setCaption(QStringLiteral("Детальный отчет по продукции"));
}
