#include "distribution_window.h"

TForm33* Form33 = nullptr;

TForm33::TForm33(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form33"));
    setCaption(QStringLiteral("Оператор рокраски (33)"));
}
