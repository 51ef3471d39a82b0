#include "norm_window.h"

TForm22* Form22 = nullptr;

TForm22::TForm22(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form22"));
    setCaption(QStringLiteral("Норматив"));
}
