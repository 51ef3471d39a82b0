#include "operation_kind_dialog.h"

TForm9* Form9 = nullptr;

TForm9::TForm9(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setCaption(QStringLiteral("Вид операции"));
}
