#include "utility_journal_window.h"

TForm25* Form25 = nullptr;

TForm25::TForm25(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form25"));
    setCaption(QStringLiteral("Хоз. работы (25)"));
}
