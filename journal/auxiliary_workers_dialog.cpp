#include "auxiliary_workers_dialog.h"

TForm132* Form132 = nullptr;

TForm132::TForm132(QWidget* parent) : pf::Form(parent)
{
    setObjectName(QStringLiteral("Form132"));
    setCaption(QStringLiteral("Ввод данных (132)"));
}
