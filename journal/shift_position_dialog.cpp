#include "shift_position_dialog.h"

TForm11* Form11 = nullptr;

TForm11::TForm11(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setCaption(QStringLiteral("Позиция"));
}
