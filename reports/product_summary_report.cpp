#include "product_summary_report.h"

TForm17* Form17 = nullptr;

TForm17::TForm17(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form17"));
    setCaption(QStringLiteral("Отчет по продукции"));
}
