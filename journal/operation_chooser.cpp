#include "operation_chooser.h"

TForm134* Form134 = nullptr;

TForm134::TForm134(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form134"));
    setCaption(QStringLiteral("Выбор операции (134)"));
}
