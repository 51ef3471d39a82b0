#include "average_rate_chooser.h"

TForm135* Form135 = nullptr;

TForm135::TForm135(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form135"));
    setCaption(QStringLiteral("Среднесдельная (135)"));
}
