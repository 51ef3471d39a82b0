#include "utility_entry_dialog.h"

TForm24* Form24 = nullptr;

TForm24::TForm24(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form24"));
    setCaption(QStringLiteral("Хоз. работы/среднесдельная (24)"));
}
