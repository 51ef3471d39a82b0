#include "worker_list.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setCaption(QStringLiteral("Список рабочих"));
}
