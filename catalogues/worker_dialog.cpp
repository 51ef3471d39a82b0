#include "worker_dialog.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setCaption(QStringLiteral("Работники"));
}
